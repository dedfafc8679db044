#!/usr/bin/env bash
# CPU use of the whole program while it only shows the live preview of the virtual document
# camera, in percent of one core: utime + stime from /proc over a window, after the preview runs.
#
#   bench/camera/idle_cpu.sh <build dir> [seconds=30] [warm-up seconds=5]
#
# The program runs on the offscreen platform with a private home and working folder, so that it
# starts from the shipped settings (largest camera size) and leaves nothing behind. The size the
# preview opened is printed from the program's own log lines, so a run at a smaller size is seen.
#
# On a machine busy with other work the figure is the share the program was given, not what it
# needs, and it moves by tens of percent from one run to the next. To compare two builds there,
# run the script for both at the same time (one in the background): both then see the same load.
set -euo pipefail

build=$(cd "${1:?usage: idle_cpu.sh <build dir> [seconds] [warm-up seconds]}" && pwd)
seconds=${2:-30}
warmup=${3:-5}
exe="$build/bin/miravelo"
[ -x "$exe" ] || { echo "no program at $exe" >&2; exit 2; }

work=$(mktemp -d)
pid=
# The program may rewrite its settings file beside it; put the one it started with back.
cp "$build/bin/Tesmora.ini" "$work/Tesmora.ini" 2>/dev/null || true
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  [ -f "$work/Tesmora.ini" ] && cp "$work/Tesmora.ini" "$build/bin/Tesmora.ini"
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"

cd "$work"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  MIRAVELO_CAMERA=virtual QT_QPA_PLATFORM=offscreen "$exe" >"$work/out.txt" 2>&1 &
pid=$!

# Wait for the preview to start, then let it settle.
for _ in $(seq 1 300); do
  grep -q "StartPreview:" "$work/out.txt" 2>/dev/null && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/out.txt" >&2; echo "program ended" >&2; exit 1; }
  sleep 0.1
done
# The resolution box shows the camera's listed name for its largest size ("3672*2856"); the
# program then asks for the target size it maps to and says so.
grep -m1 "StartPreview:" "$work/out.txt" || { echo "preview never started" >&2; exit 1; }
grep -m1 "Change to Target Res" "$work/out.txt" || true
sleep "$warmup"

ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(date +%s.%N)
c0=$(ticks)
sleep "$seconds"
c1=$(ticks)
t1=$(date +%s.%N)
awk -v c="$((c1 - c0))" -v hz="$hz" -v s="$seconds" -v w="$(echo "$t1 - $t0" | bc -l)" \
  'BEGIN { printf "CPU: %.2f s over %.1f s wall = %.1f%% of one core\n",
           c / hz, w, 100 * c / hz / s }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
