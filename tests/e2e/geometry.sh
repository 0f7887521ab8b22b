#!/usr/bin/env bash
# Where a document's window opens, on a virtual X server with a real window manager
# (openbox), whose title bar and borders lie outside the window: a stored place that
# would put them, the menu bar or the toolbar off the screen, or a size larger than the
# screen, opens with the whole frame on the screen; at a scale factor of 2 too; a place
# this program saved opens exactly there again.
set -euo pipefail
brimel=$(realpath "$1")
tool="$(dirname "$brimel")/e2e_document"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool xwininfo xprop openbox
[ -x "$tool" ] || { echo "$tool is missing: build the tests"; exit 1; }

make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
use_private_home
start_window_manager || { echo "the window manager did not start"; exit 1; }
read -r screen_w screen_h < <(xdotool getdisplaygeometry)

# open FILE PASSWORD [ENV...]: starts the program on FILE; sets $win to its window.
open_document() {
  local file=$1 password=$2
  shift 2
  env "$@" "$brimel" "$file" >>"$work/run.log" 2>&1 &
  app_pid=$!
  answer_password "$password"
  win=$(wait_window "^$(basename "$file" | sed 's/\./\\./g')") || fail "$(basename "$file") did not open"
  sleep 1  # the window manager frames it; the program fits it once more then
}

quit_program() {
  focus "$win"
  xdotool key ctrl+q
  for _ in $(seq 1 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Quit"
  wait "$app_pid" || fail "the program ended with an error"
  app_pid=""
}

# frame_of WINDOW: "left top right bottom" of the whole frame, borders and title bar included.
frame_of() {
  local x y w h extents l r t b
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r l r t b <<<"$extents"
  echo "$((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))"
}

expect_on_screen() {
  local left top right bottom
  read -r left top right bottom < <(frame_of "$win")
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le "$screen_w" ] && [ "$bottom" -le "$screen_h" ] ||
    fail "$1: the frame spans $left,$top to $right,$bottom on a ${screen_w}x$screen_h screen"
  echo "ok: $1: the whole frame on the screen ($left,$top to $right,$bottom)"
}

# 1. Stored places that would put the frame off the screen, or make it larger than it.
for stored in "40*60*639*376" "40*0*639*376" "100*100*65000*65000" "1200*700*639*376"; do
  "$tool" make "$work/place.brimel" pw "$stored"
  open_document "$work/place.brimel" pw
  expect_on_screen "stored $stored"
  quit_program
done

# 2. Saved at a scale factor of 1, opened at 2.
"$tool" make "$work/scaled.brimel" pw "600*300*639*376"
open_document "$work/scaled.brimel" pw QT_SCALE_FACTOR=2
expect_on_screen "saved at scale 1, opened at scale 2"
quit_program

# 3. A place that fits is used exactly; saved again (Save As), it stays the same, and the
# window reopens where it was: no drift by the title bar or the bars above the content.
"$tool" make "$work/exact.brimel" pw "200*250*639*376"
open_document "$work/exact.brimel" pw
before=$(frame_of "$win")
focus "$win"
xdotool key ctrl+alt+s
answer_password pw
dialog=$(wait_window '^Brimel$') || fail "the new-password dialog did not appear"
focus "$dialog"
xdotool type --delay 20 "again"
xdotool key Tab
xdotool type --delay 20 "again"
xdotool key Return
wait_gone "$dialog" || fail "the new-password dialog stayed after Return"
save_dialog=""
for _ in $(seq 1 100); do
  save_dialog=$(xdotool search --onlyvisible --name 'Save' 2>/dev/null | head -n 1 || true)
  [ -n "$save_dialog" ] && break
  sleep 0.1
done
[ -n "$save_dialog" ] || fail "the save dialog did not appear"
focus "$save_dialog"
sleep 0.5  # the dialog fills in its folder first
xdotool key ctrl+a
xdotool type --delay 10 "$work/saved.brimel"
xdotool key Return
win=$(wait_window '^saved\.brimel') || fail "Save As did not name the window saved.brimel"
quit_program
stored=$("$tool" geometry "$work/saved.brimel" again) || fail "saved.brimel holds no place"
[ "$stored" = "200*250*639*376" ] || fail "the place was saved as $stored, not 200*250*639*376"
echo "ok: a place that fits is used exactly and saved back unchanged ($stored)"
open_document "$work/saved.brimel" again
after=$(frame_of "$win")
[ "$after" = "$before" ] || fail "reopened at $after, not at $before"
echo "ok: the saved document reopens exactly where it was ($after)"
quit_program
echo "e2e: all passed"
