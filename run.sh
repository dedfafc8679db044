#!/usr/bin/env bash
# Installs what is missing, builds, and starts Miravelo. Without a camera attached the program
# shows its virtual document camera.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
if ! ls /dev/video* >/dev/null 2>&1 && [ -z "${MIRAVELO_CAMERA:-}" ]; then
  export MIRAVELO_CAMERA=virtual
fi
exec build/bin/miravelo "$@"
