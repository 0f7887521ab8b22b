#!/usr/bin/env bash
# Builds the benchmarks and runs them: the core and window benchmarks (on Qt's
# offscreen platform, every action at 1000, 10001 and 100,000 entries, cold and
# warm), then the real program on a virtual X server: its start-up until the
# window untitled1 is shown, and its own CPU time for opening documents of 10001
# and 100,000 full entries (every field 255 characters), for the first sort after
# opening, for search and title keystrokes at 100,000, and its memory.
#   bash tools/bench.sh [core|window|program]...   (all three when none is named)
#   BUILD_DIR=build by default; RUNS=10 start-ups; RUNS_OPEN=5 openings of each document
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
build=${BUILD_DIR:-build}
runs=${RUNS:-10}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target brimel brimel_core_bench brimel_ui_bench
bin=$(realpath "$build/bin")

parts=${*:-core window program}
part() { [[ " $parts " == *" $1 "* ]]; }

if part core; then
  echo "== core benchmarks"
  "$bin/brimel_core_bench"
fi
if part window; then
  echo "== window benchmarks (offscreen)"
  QT_QPA_PLATFORM=offscreen "$bin/brimel_ui_bench" 2> >(grep -v 'This plugin does not support' >&2) |
    tee "$build/window-bench.txt"
  echo "== the README's table"
  awk -f tools/bench-table.awk "$build/window-bench.txt"
fi
part program || exit 0

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

# The program's own CPU time per action: the process's CPU clock (all its
# threads, to the nanosecond) read before the input and again once the process
# is idle, less what it spends idle in the same time (the search timer, the
# cursor blinking).
cpu_ms() {
  # The clock of process P is ~P << 3 | 2, a 32-bit clockid_t.
  perl -MTime::HiRes=clock_gettime \
    -e 'printf "%.3f\n", clock_gettime(unpack("l", pack("l", ((~($ARGV[0] + 0)) << 3) | 2))) * 1e3' "$1"
}
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# settle: waits until the program has used under 0.2 ms of CPU in 100 ms.
settle() {
  local before after
  after=$(cpu_ms "$app_pid")
  while :; do
    before=$after
    sleep 0.1
    after=$(cpu_ms "$app_pid")
    awk -v a="$after" -v b="$before" 'BEGIN { exit !(a - b < 0.2) }' && return 0
  done
}
# idle_rate: CPU ms the idle program uses per ms of wall time, over 2 s.
idle_rate() {
  local c0 t0 c1 t1
  settle
  c0=$(cpu_ms "$app_pid"); t0=$(now_ms)
  sleep 2
  c1=$(cpu_ms "$app_pid"); t1=$(now_ms)
  awk -v c="$(awk -v a="$c1" -v b="$c0" 'BEGIN { print a - b }')" -v t=$((t1 - t0)) 'BEGIN { printf "%.6f", c / t }'
}
# measure NAME COMMAND...: runs the command (the input), waits until the program
# is idle and records the CPU time the action took under NAME.
measure() {
  local name=$1 c0 t0 c1 t1
  shift
  settle
  c0=$(cpu_ms "$app_pid"); t0=$(now_ms)
  "$@"
  settle
  c1=$(cpu_ms "$app_pid"); t1=$(now_ms)
  awk -v a="$c1" -v b="$c0" -v r="$rate" -v t=$((t1 - t0)) 'BEGIN { printf "%.2f\n", a - b - r * t }' >>"$work/$name"
}
median() { sort -n "$work/$1" | awk '{ v[NR] = $1 } END { printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
rss_kb() { sed -n "s/^$1:[[:space:]]*\([0-9]*\) kB/\1/p" "/proc/$app_pid/status"; }

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
"$bin/brimel" >"$work/start.log" 2>&1 &
app_pid=$!
wait_window '^untitled1' >/dev/null || { echo "untitled1 did not appear"; exit 1; }
settle
echo "peak memory (VmHWM) with untitled1 only: $(( $(rss_kb VmHWM) / 1024 )) MiB"
end_program


# The window's places, in its own coordinates: the content area ends the window,
# under the menu bar and the toolbar (the layout: content 639 x 376).
window_places() {
  local height
  height=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\)/\1/p')
  top=$((height - 376))
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
click_title() { click 460 $((top + 65)); }      # the title field
click_first_row() { click 80 $((top + 27)); }   # the list's first row, already selected
click_lock() { click 140 $((top - 30)); }       # the lock item of the toolbar

# open_document FILE NAME: starts the program with the document, types the
# password and measures from Return to the window shown and idle.
open_document() {
  "$bin/brimel" "$1" >"$work/open.log" 2>&1 &
  app_pid=$!
  local dialog
  dialog=$(wait_window '^Brimel$') || { echo "the password dialog did not appear"; exit 1; }
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  sleep 0.3
  xdotool type --delay 20 "bench password"
  rate=$(idle_rate)
  measure "open-$2" xdotool key Return
  win=$(wait_window "^Full$2\\.brimel") || { echo "the document of $2 entries did not open"; exit 1; }
  window_places
}

for entries in 10001 100000; do
  QT_QPA_PLATFORM=offscreen "$bin/brimel_ui_bench" --write_full_document="$work/Full$entries.brimel" \
    --entries=$entries
done
runs_open=${RUNS_OPEN:-5}
for entries in 10001 100000; do
  for _ in $(seq 1 "$runs_open"); do
    open_document "$work/Full$entries.brimel" "$entries"
    rate=$(idle_rate)
    click_title
    settle
    before=$(rss_kb VmRSS)
    measure "sort-$entries" click_first_row
    echo $(( $(rss_kb VmRSS) - before )) >>"$work/sortgrowth-$entries"
    if [ "$entries" = 100000 ]; then
      for _ in 1 2 3; do
        sleep 0.6  # the search forgets what was typed
        measure search-end xdotool key l
        sleep 0.6
        measure search-none xdotool key q
      done
      click_lock
      click_title
      xdotool key End
      for _ in 1 2 3; do
        measure title-key xdotool key BackSpace
        measure title-key xdotool key z
      done
    fi
    echo $(( $(rss_kb VmHWM) / 1024 )) >>"$work/peak-$entries"
    end_program
  done
done
echo "CPU time of the program per action, under Xvfb (median of $runs_open runs; ms):"
echo "  opening 10001 entries (Return to the window shown):   $(median open-10001)"
echo "  opening 100,000 entries:                              $(median open-100000)"
echo "  the first sort after opening 10001 (title field left): $(median sort-10001)"
echo "  the first sort after opening 100,000:                 $(median sort-100000)"
echo "  a search keystroke at 100,000, hit at the end / none: $(median search-end) / $(median search-none)"
echo "  a title keystroke at 100,000:                         $(median title-key)"
echo "memory growth from the first sort (VmRSS, kB), 10001 / 100,000: $(median sortgrowth-10001) / $(median sortgrowth-100000)"
echo "peak memory (VmHWM) holding the document, 10001 / 100,000: $(median peak-10001) / $(median peak-100000) MiB"
