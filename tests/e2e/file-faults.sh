#!/usr/bin/env bash
# Faults of the file system met by the real program on a virtual X server, as a user meets
# them: a named pipe named at launch and handed to the running program, Save and Export
# under a file-size limit and onto a full file system, Export onto other names of the
# document. The program must answer with a message, lose nothing and go on running.
set -euo pipefail
brimel=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
fixture="$here/../data/current-2-entries.brimel"   # password "fixture"
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

start_session

# The next dialog or message titled "Brimel" (password, new password, message box).
next_brimel_window() {
  wait_window '^Brimel$' || fail "no dialog or message appeared after $1"
}

answer_password() {
  focus "$(next_brimel_window "$2")"
  xdotool type --delay 20 "$1"
  xdotool key Return
}

answer_new_password() {
  focus "$(next_brimel_window "$2")"
  xdotool type --delay 20 "$1"
  xdotool key Tab
  xdotool type --delay 20 "$1"
  xdotool key Return
}

# Types path into the save dialog; "y" confirms replacing a file that exists.
answer_save_dialog() {
  local dialog
  dialog=$(wait_window '^Save As') || fail "no save dialog for $1"
  focus "$dialog"
  xdotool key ctrl+a
  xdotool type --delay 10 "$1"
  xdotool key Return
  sleep 1
  if xdotool search --onlyvisible --name '^Save As' >/dev/null 2>&1; then
    xdotool key y
  fi
}

# A message box is up: it is read and closed.
close_message() {
  local box
  box=$(next_brimel_window "$1")
  focus "$box"
  xdotool key Return
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^Brimel$' >/dev/null 2>&1 || break
    sleep 0.1
  done
}

# The same, and the program is still running.
expect_message() {
  close_message "$1"
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended after $1"
}

quit() {
  focus "$1"
  xdotool key ctrl+q
  wait_end "Quit"
}

# Save As and Export of a new window into folder, which cannot take them: each says why,
# the window keeps its title (a save would name it after the file) and nothing is left.
# $2 lists the folder as the program sees it.
save_and_export_fail() {
  local folder=$1 list=$2 win
  win=$(wait_window '^untitled1') || fail "untitled1 did not appear"
  focus "$win"
  xdotool key ctrl+alt+s
  answer_new_password pw "Save As"
  answer_save_dialog "$folder/Doc.brimel"
  expect_message "a failed save"
  [ "$(xdotool getwindowname "$win")" = "untitled1" ] || fail "the window took the unwritten file's name"
  focus "$win"
  xdotool key ctrl+e
  answer_save_dialog "$folder/Doc.tsv"
  expect_message "a failed export"
  [ -z "$($list)" ] || fail "files were left in $folder: $($list)"
  quit "$win"
}

# 1. A named pipe named at launch: refused at once with a message, then the program,
#    with no window left, ends.
mkfifo "$work/pipe.brimel"
"$brimel" "$work/pipe.brimel" >"$work/run1.log" 2>&1 &
app_pid=$!
close_message "a pipe named at launch (a wait in open() shows no message)"
wait_end "the pipe's message"
echo "ok: a pipe named at launch is refused with a message"

# 2. A named pipe handed to the running program: refused, and the program goes on.
"$brimel" >"$work/run2.log" 2>&1 &
app_pid=$!
win=$(wait_window '^untitled1') || fail "untitled1 did not appear"
timeout 20 "$brimel" "$work/pipe.brimel" >"$work/run3.log" 2>&1 || fail "the second launch did not end"
expect_message "a pipe handed to the running program"
focus "$win"
xdotool key ctrl+n
wait_window '^untitled2' >/dev/null || fail "the program no longer answers after the pipe"
quit "$win"
echo "ok: a pipe handed to the running program is refused, and it goes on"

# 3. Save and Export under a file-size limit: messages, not the end of the program.
mkdir "$work/limited"
(ulimit -f 0 && exec "$brimel") >/dev/null 2>&1 &
app_pid=$!
save_and_export_fail "$work/limited" "ls -A $work/limited"
echo "ok: under a file-size limit Save and Export say so and leave nothing"

# 4. The same on a full file system (a tmpfs mounted for the program alone: needs root).
if [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; then
  mkdir "$work/disk"
  unshare -m bash -c 'mount --make-rprivate / && mount -t tmpfs -o size=64k brimel-e2e "$1" &&
    { head -c 1M /dev/zero >"$1/filler" 2>/dev/null || true; } && exec "$2"' _ "$work/disk" "$brimel" \
    >"$work/run4.log" 2>&1 &
  app_pid=$!
  save_and_export_fail "$work/disk" "eval nsenter -t $app_pid -m ls -A $work/disk | grep -vx filler"
  echo "ok: on a full file system Save and Export say so and leave nothing"
elif [ "${CI:-}" = "true" ]; then
  fail "a tmpfs cannot be mounted here (CI runs as root)"
else
  echo "skip: a full file system needs root to mount a tmpfs"
fi

# 5. Export onto other names of the document: its folder through a link, a link to it, a
#    hard link. Each is refused and the document stays enciphered.
mkdir "$work/docs"
cp "$fixture" "$work/docs/Bank.brimel"
ln -s "$work/docs" "$work/docs-link"
ln -s "$work/docs/Bank.brimel" "$work/Bank-link.tsv"
ln "$work/docs/Bank.brimel" "$work/Bank-hard.tsv"
"$brimel" "$work/docs/Bank.brimel" >"$work/run5.log" 2>&1 &
app_pid=$!
answer_password fixture "the launch"
win=$(wait_window '^Bank\.brimel') || fail "Bank.brimel did not open"
for target in "$work/docs-link/Bank.brimel" "$work/Bank-link.tsv" "$work/Bank-hard.tsv"; do
  focus "$win"
  xdotool key ctrl+e
  answer_password fixture "Export"
  answer_save_dialog "$target"
  expect_message "an export onto $target"
  cmp -s "$fixture" "$work/docs/Bank.brimel" || fail "the export onto $target changed the document"
done
[ -L "$work/Bank-link.tsv" ] || fail "the link was replaced"
quit "$win"
echo "ok: Export refuses the document under every other name"
echo "e2e: all passed"
