#!/usr/bin/env bash
# The real program on a virtual X server with a window manager (openbox), driven from the
# keyboard as a user of a Linux desktop drives it: Tab out of the hidden search field, the menus
# by Alt and a letter and by F10, Ctrl+W in a tool window, Return on the focused button of the
# save and the delete question; every window titled exactly as the program says, with its icon.
set -euo pipefail
brimel=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
fixture="$here/../data/current-2-entries.brimel"   # password "fixture", two entries
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool xprop openbox

make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
use_private_home
start_window_manager || { echo "FAIL: openbox did not start"; exit 1; }

# shown REGEX: the window, activated, once it has appeared.
shown() {
  local id
  id=$(wait_window "$1") || fail "no window titled $1 appeared"
  xdotool windowactivate --sync "$id" 2>/dev/null || true
  sleep 0.3
  echo "$id"
}

# gone REGEX: fails unless no window of that title is left within 5 s.
gone() {
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window titled $1 is still there"
}

keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
typed() { xdotool type --delay 30 "$1"; sleep 0.2; }

# exactly WINDOW TITLE: the window manager shows exactly that title, and the program's icon
# (given a moment, as a loaded machine may show the window before its properties arrive).
exactly() {
  for _ in $(seq 1 30); do
    [ "$(xprop -id "$1" -notype _NET_WM_NAME)" = "_NET_WM_NAME = \"$2\"" ] &&
      xprop -id "$1" _NET_WM_ICON | grep -q 'Icon (64 x 64)' && return 0
    sleep 0.1
  done
  [ "$(xprop -id "$1" -notype _NET_WM_NAME)" = "_NET_WM_NAME = \"$2\"" ] ||
    fail "the title is $(xprop -id "$1" -notype _NET_WM_NAME), not \"$2\""
  fail "\"$2\" shows no icon"
}

# exported FILE TEXT: File > Export as Cleartext (Ctrl+E) of a document without password
# writes FILE, whose bytes (as od -c shows them) are TEXT.
exported() {
  keys ctrl+e
  shown '^Save As$' >/dev/null
  keys ctrl+a
  typed "$1"
  keys Return
  for _ in $(seq 1 50); do [ -s "$1" ] && break; sleep 0.1; done
  [ "$(od -An -c "$1" | tr -s ' ')" = " $2" ] || fail "the export holds$(od -An -c "$1" 2>/dev/null), not $2"
}

"$brimel" >"$work/run.log" 2>&1 &
app_pid=$!

# 1. The list (its hidden search field) has the focus. Shift+Tab goes to the notes, Tab from
#    the notes round to the title, whose text Tab selects.
win=$(shown '^untitled1$')
exactly "$win" untitled1
keys shift+Tab
typed note
keys Tab
typed Title
exported "$work/first.tsv" 'T i t l e \t \t \t \t n o t e \r'
echo "ok: Shift+Tab from the search field reaches the notes, Tab from the notes the title"

# 2. A new window: Tab from the search field goes to the title.
keys ctrl+n
shown '^untitled2$' >/dev/null
keys Tab
typed Second
exported "$work/second.tsv" 'S e c o n d \t \t \t \t \r'
echo "ok: Tab leaves the search field for the title"

# 3. The menus from the keyboard: Alt+T and G (Tools > Generate Password); F10, Left to Help,
#    Up to its last item, About. The tool windows close with Ctrl+W.
keys alt+t g
tool=$(shown '^Generate Password$')
exactly "$tool" "Generate Password"
keys ctrl+w
gone '^Generate Password$'
shown '^untitled2' >/dev/null
keys F10 Left Up Return
tool=$(shown '^About Brimel$')
exactly "$tool" "About Brimel"
keys ctrl+w
gone '^About Brimel$'
echo "ok: Alt+T G and F10 reach the menus; Ctrl+W closes the tool windows; exact titles"

# 4. The save question: Return presses the button Tab moved to (Cancel: the window stays,
#    then Don't Save: it closes).
win=$(shown '^untitled2')
keys ctrl+w
dialog=$(shown '^Brimel$')
exactly "$dialog" Brimel
keys Tab Tab Return
gone '^Brimel$'
xdotool search --onlyvisible --name '^untitled2\*$' >/dev/null || fail "Cancel did not keep untitled2 open"
xdotool windowactivate --sync "$win" 2>/dev/null || true
keys ctrl+w
shown '^Brimel$' >/dev/null
keys Tab Return
gone '^untitled2'
echo "ok: in the save question Return presses the focused Cancel, then Don't Save"

# 5. The delete question on a document from a file, handed to the running program: Return
#    answers No, Tab to Yes and Return deletes.
cp "$fixture" "$work/Keys.brimel"
"$brimel" "$work/Keys.brimel" >"$work/run2.log" 2>&1 || fail "the second launch did not hand its file over"
dialog=$(shown '^Brimel$')
exactly "$dialog" Brimel
typed fixture
keys Return
win=$(shown '^Keys\.brimel$')
exactly "$win" Keys.brimel
delete_question() {
  xdotool windowactivate --sync "$win" 2>/dev/null || true
  # The toolbar's second button, Delete, below the menu bar.
  xdotool mousemove --window "$win" 72 47 click 1
  shown '^Brimel$' >/dev/null
}
delete_question
keys Return
gone '^Brimel$'
[ "$(xdotool getwindowname "$win")" = Keys.brimel ] || fail "Return in the delete question deleted"
delete_question
keys Tab Return
gone '^Brimel$'
[ "$(xdotool getwindowname "$win")" = 'Keys.brimel*' ] || fail "Tab to Yes and Return did not delete"
echo "ok: in the delete question Return answers No, and Yes once Tab has moved to it"
echo "e2e keyboard: all passed"
