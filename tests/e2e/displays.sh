#!/usr/bin/env bash
# One user, two X displays, one runtime folder: a launch hands its request only to the program
# on its own display (-display included), never to the one on the other.
set -euo pipefail
brimel=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool

make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
first=$DISPLAY
start_xvfb || { echo "the second X server did not start"; exit 1; }
second=$DISPLAY
use_private_home
first_pid="" second_pid=""
trap 'kill $first_pid $second_pid 2>/dev/null || true; remove_work_dir' EXIT

# on DISPLAY REGEX: whether a window whose title matches is shown on DISPLAY, within 15 s.
on() { DISPLAY=$1 wait_window "$2" >/dev/null; }
# shown DISPLAY REGEX: whether such a window is shown now (the launches before have ended).
shown() { DISPLAY=$1 xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; }
# handed_over ARGS...: a later launch that must end at once, its request taken.
handed_over() { timeout 20 "$brimel" "$@" >>"$work/later.log" 2>&1 || fail "the launch '$*' on $DISPLAY did not end with status 0"; }

DISPLAY=$first "$brimel" >"$work/first.log" 2>&1 &
first_pid=$!
on "$first" '^untitled1' || fail "no window on $first"

# A launch on the second display starts a program of its own there.
DISPLAY=$second "$brimel" >"$work/second.log" 2>&1 &
second_pid=$!
on "$second" '^untitled1' || fail "the launch on $second did not open its own window there"
sleep 1
shown "$first" '^untitled2' && fail "the launch on $second opened its window on $first"
kill -0 "$second_pid" 2>/dev/null || fail "the program on $second ended"
echo "ok: a launch on the second display opens its window there"

# Screen 0 of the first display is the first display.
DISPLAY=$first.0 handed_over
on "$first" '^untitled2' || fail "the launch on $first.0 did not reach the program on $first"
echo "ok: a later launch on $first.0 hands over to the program on $first"

# -display chooses the display as DISPLAY does.
DISPLAY=$first handed_over -display "$second"
on "$second" '^untitled2' || fail "the launch with -display $second did not reach the program on $second"
shown "$first" '^untitled3' && fail "the launch with -display $second reached the program on $first"
echo "ok: a later launch with -display $second hands over to the program on $second"

# Each program quits on its own display with status 0.
for display in "$first" "$second"; do
  export DISPLAY=$display
  pid=$first_pid
  [ "$display" = "$second" ] && pid=$second_pid
  win=$(wait_window '^untitled1') || fail "untitled1 is gone"
  quit_and_wait "$win" "$pid"
done
first_pid="" second_pid=""
echo "e2e: all passed"
