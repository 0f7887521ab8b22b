#!/usr/bin/env bash
# The document windows under a window manager, driven from outside as a user drives them: each
# save-changes question comes over its own window with the focus on Save, also when it is asked
# again after "Don't Save"; a click that ends a title edit selects the entry clicked; a megabyte
# pasted into the notes is cut at once, with the message.
set -euo pipefail
brimel=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool openbox xclip xprop

make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
use_private_home
start_window_manager || { echo "the window manager did not start"; exit 1; }

# The window's content area lies below the menu bar and the toolbar; the windows here have the
# layout's height, so the bars take what the window has beyond it.
bars() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo $((HEIGHT - 376)); }

# click WINDOW X Y: a click at content coordinates of the layout.
click() {
  xdotool mousemove --window "$1" "$2" $(($3 + $(bars "$1"))) click 1
  sleep 0.3
}

click_add() {
  xdotool mousemove --window "$1" 24 $(($(bars "$1") - 28)) click 1
  sleep 0.3
}

activate() {
  xdotool windowactivate --sync "$1" 2>/dev/null || true
  sleep 0.3
}

centre() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"; }

# expect_over DIALOG WINDOW WHAT: the dialog's middle lies near the window's.
expect_over() {
  local dx dy wx wy
  read -r dx dy < <(centre "$1")
  read -r wx wy < <(centre "$2")
  (((dx - wx) * (dx - wx) + (dy - wy) * (dy - wy) <= 40 * 40)) ||
    fail "$3 appeared at $dx,$dy, not over its window at $wx,$wy"
}

# wait_new_window REGEX ID: a visible window matching REGEX other than ID, within 15 s.
wait_new_window() {
  local id
  for _ in $(seq 1 150); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$2" | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

wait_closed() {
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

"$brimel" >"$work/app.log" 2>&1 &
app_pid=$!
first=$(wait_window '^untitled1') || fail "untitled1 did not appear"
xdotool windowmove --sync "$first" 20 40
activate "$first"
xdotool key shift+Tab && xdotool type "one"   # from the search field into the notes
xdotool key ctrl+n
second=$(wait_window '^untitled2') || fail "untitled2 did not appear"
xdotool windowmove --sync "$second" 600 330
activate "$second"
xdotool key shift+Tab && xdotool type "two"

# 1. and 2. The first question is answered "Don't Save" with Tab and Space; the same dialog,
# asked again for the other window, comes over that one with the focus back on Save.
activate "$first"
xdotool key ctrl+w
question=$(wait_window '^Brimel$') || fail "the save-changes question did not appear"
expect_over "$question" "$first" "the first question"
xdotool key Tab space
wait_closed '^untitled1' || fail "Don't Save did not close untitled1"
activate "$second"
xdotool key ctrl+w
again=$(wait_window '^Brimel$') || fail "the second save-changes question did not appear"
expect_over "$again" "$second" "the second question"
xdotool key space
password=$(wait_new_window '^Brimel$' "$again") || fail "Space did not answer Save: no new password was asked"
expect_over "$password" "$second" "the new-password question"
xdotool key Escape
sleep 0.5
xdotool search --onlyvisible --name '^untitled2' >/dev/null || fail "untitled2 closed although its save was cancelled"
echo "ok: each question came over its own window and Space answered Save"

# 3. Entries bravo, charlie, delta beside "New Entry"; bravo renamed zulu; a click on the row
# showing charlie ends the edit (the sort moves every row up) and selects charlie.
for entry in bravo charlie delta; do
  click_add "$second"
  xdotool type "$entry" && xdotool key Tab && xdotool type "user-${entry:0:1}"
done
click "$second" 40 28        # row 0: bravo
click "$second" 459 65       # the title field
xdotool key ctrl+a && xdotool type "zulu"
click "$second" 40 42        # row 1: charlie
click "$second" 584 124      # Copy beside the user field
[ "$(xclip -selection clipboard -o 2>/dev/null)" = "user-c" ] ||
  fail "the click selected another entry than charlie (user '$(xclip -selection clipboard -o 2>/dev/null)')"
echo "ok: the click that ended the title edit selected the entry clicked"

# 5. A megabyte on one line pasted at the end of charlie's notes: the message comes at once, and
# the note keeps its first 255 characters.
head -c 1048576 /dev/zero | tr '\0' 'q' >"$work/megabyte.txt"
xclip -selection clipboard -i "$work/megabyte.txt"
click "$second" 459 315
xdotool key ctrl+End ctrl+v
wait_window '^Brimel$' >/dev/null || fail "no message after pasting a megabyte into the notes"
xdotool key Return
sleep 0.3
xdotool key ctrl+a ctrl+c
sleep 0.3
[ "$(xclip -selection clipboard -o 2>/dev/null | wc -c)" -eq 255 ] || fail "the notes do not hold 255 characters"
echo "ok: a megabyte pasted into the notes was cut at once"
echo "e2e: all passed"
