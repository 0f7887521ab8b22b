#!/usr/bin/env bash
# Builds the benchmarks and runs them all: the core and window benchmarks (on
# Qt's offscreen platform), then the real program on a virtual X server: its
# start-up until the window untitled1 is shown, and its peak memory while it
# holds a full document (10001 entries, every field 255 characters).
#   bash tools/bench.sh            (BUILD_DIR=build by default; RUNS=10 start-ups)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
build=${BUILD_DIR:-build}
runs=${RUNS:-10}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target brimel brimel_core_bench brimel_ui_bench
bin=$(realpath "$build/bin")

echo "== core benchmarks"
"$bin/brimel_core_bench"
echo "== window benchmarks (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/brimel_ui_bench" 2> >(grep -v 'This plugin does not support' >&2)

echo "== the real program under Xvfb"
# shellcheck source=tools/xvfb.sh
source tools/xvfb.sh  # the working folder is the repository's top
make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
use_private_home

# wait_window REGEX: as xvfb.sh's, but polling without a pause, so the start-up
# figures are not rounded up to the polling interval (up to 4000 tries).
wait_window() {
  local id=""
  for _ in $(seq 1 4000); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
  done
  return 1
}

end_program() {
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

# Start-up: from the launch until untitled1 is shown (polled with xdotool,
# whose own start adds a few milliseconds to each figure).
times=()
for _ in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$bin/brimel" >"$work/start.log" 2>&1 &
  app_pid=$!
  wait_window '^untitled1' >/dev/null || { echo "untitled1 did not appear"; cat "$work/start.log"; exit 1; }
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
  end_program
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start-up to untitled1 shown, $runs runs (ms): $(echo $sorted)"
echo "  median $(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p") ms, fastest $(echo "$sorted" | head -n 1) ms"

# Peak memory: the program opens the full document, shows it, then quits.
document="$work/Full.brimel"
QT_QPA_PLATFORM=offscreen "$bin/brimel_ui_bench" --write_full_document="$document"
measure_memory() {
  /usr/bin/time -v "$bin/brimel" "$@" >"$work/memory.log" 2>&1 &
  app_pid=$!
}
measure_memory
win=$(wait_window '^untitled1') || { echo "untitled1 did not appear"; exit 1; }
sleep 1
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key ctrl+q
wait "$app_pid" || true
app_pid=""
empty_kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/memory.log")

measure_memory "$document"
dialog=$(wait_window '^Brimel$') || { echo "the password dialog did not appear"; exit 1; }
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.3
xdotool type --delay 20 "bench password"
xdotool key Return
win=$(wait_window '^Full\.brimel') || { echo "the full document did not open"; cat "$work/memory.log"; exit 1; }
sleep 1
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key ctrl+q
wait "$app_pid" || true
app_pid=""
full_kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/memory.log")
[ -n "$full_kb" ] || { echo "no memory figure"; cat "$work/memory.log"; exit 1; }
size=$(stat -c %s "$document")
echo "peak memory (maximum resident set size, /usr/bin/time -v):"
echo "  untitled1 only:               $(( empty_kb / 1024 )) MiB"
echo "  the full document open:       $(( full_kb / 1024 )) MiB (file: $size bytes, $(( size / 1048576 )) MiB)"
