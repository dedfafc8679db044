#!/usr/bin/env bash
# Runs one test executable with a fresh private home, configuration and runtime folder, on the
# offscreen platform and with only the virtual cameras, then removes the folders again.
set -u
root=$(mktemp -d "${TMPDIR:-/tmp}/miravelo-test.XXXXXX")
mkdir -p "$root/home" "$root/config" "$root/runtime"
chmod 700 "$root/runtime"
export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/runtime"
export QT_QPA_PLATFORM=offscreen MIRAVELO_CAMERA=virtual
export MIRAVELO_TEST_ROOT="$root"
"$@"
rc=$?
rm -rf "$root"
exit $rc
