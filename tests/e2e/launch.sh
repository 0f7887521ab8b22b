#!/usr/bin/env bash
# Starts the real program on a virtual X server and drives it from outside, as a user would:
# a launch without a document, a launch with one, a second launch handing over another one, Quit.
set -euo pipefail
brimel=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
fixture="$here/../data/current-2-entries.brimel"   # password "fixture"
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool

make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
use_private_home

# 1. No document: the window untitled1 appears; Quit ends the program with status 0.
"$brimel" >"$work/run1.log" 2>&1 &
app_pid=$!
win=$(wait_window '^untitled1') || fail "untitled1 did not appear"
echo "ok: untitled1 appeared"
quit_and_wait "$win"
echo "ok: Quit ended the program with status 0"

# 2. A document on the command line: the password dialog, then its window.
cp "$fixture" "$work/first.brimel"
cp "$fixture" "$work/second.brimel"
"$brimel" "$work/first.brimel" >"$work/run2.log" 2>&1 &
app_pid=$!
answer_dialog '^Brimel$' fixture
win=$(wait_window '^first\.brimel') || fail "first.brimel did not open"
echo "ok: first.brimel opened with its password"
xdotool search --onlyvisible --name '^untitled' >/dev/null 2>&1 && fail "an untitled window was made beside the document"

# 3. A second launch hands its document to the running program and ends.
timeout 20 "$brimel" "$work/second.brimel" >"$work/run3.log" 2>&1 || fail "the second launch did not end cleanly"
answer_dialog '^Brimel$' fixture
wait_window '^second\.brimel' >/dev/null || fail "second.brimel did not open in the running program"
kill -0 "$app_pid" 2>/dev/null || fail "the first program is gone"
echo "ok: the second launch handed second.brimel to the running program"

# 4. Quit closes both unmodified windows and ends with status 0.
quit_and_wait "$win"
echo "ok: Quit ended the program with status 0"
echo "e2e: all passed"
