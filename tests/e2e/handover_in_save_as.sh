#!/usr/bin/env bash
# A later launch while the running program's Save As dialog is open, on a desktop with a window
# manager: the handed-over document asks for its password only once the save dialog has closed,
# with an empty prompt, and the save and the program go on unharmed (also when built with the
# sanitizers: the log must hold no report of theirs).
set -euo pipefail
brimel=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
fixture="$here/../data/current-2-entries.brimel"   # password "fixture"
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool openbox xprop

make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
start_window_manager || { echo "the window manager did not start"; exit 1; }
use_private_home

cp "$fixture" "$work/first.brimel"
cp "$fixture" "$work/second.brimel"
"$brimel" "$work/first.brimel" >"$work/run.log" 2>&1 &
app_pid=$!
answer_dialog '^Brimel$' fixture
win=$(wait_window '^first\.brimel') || fail "first.brimel did not open"

# Save As: the password gate, the new password twice, then the save dialog.
focus "$win"
xdotool key ctrl+alt+s
answer_dialog '^Brimel$' fixture
answer_dialog '^Brimel$' renewed renewed
save=$(wait_window '^Save As$') || fail "the save dialog did not appear"
echo "ok: Save As shows the save dialog"

# A later launch hands over second.brimel while the save dialog is up.
timeout 20 "$brimel" "$work/second.brimel" >"$work/later.log" 2>&1 || fail "the later launch did not end with status 0"
sleep 2
xdotool search --onlyvisible --name '^Brimel$' >/dev/null 2>&1 && fail "a password prompt came up over the save dialog"
echo "ok: no password prompt while the save dialog is up"

# The save goes on to the file named; then the handed-over document asks, with an empty prompt:
# its password typed alone opens it.
focus "$save"
xdotool key ctrl+a
xdotool type --delay 10 "$work/saved.brimel"
xdotool key Return
wait_window '^saved\.brimel' >/dev/null || fail "the save did not finish"
[ -s "$work/saved.brimel" ] || fail "saved.brimel was not written"
answer_dialog '^Brimel$' fixture
wait_window '^second\.brimel' >/dev/null || fail "second.brimel did not open with its password typed into the prompt"
echo "ok: after the save, second.brimel asks with an empty prompt and opens"

quit_and_wait "$win"
! grep -q "Sanitizer" "$work/run.log" || fail "the sanitizers reported: $(grep -m1 -A8 Sanitizer "$work/run.log")"
echo "e2e: all passed"
