#!/usr/bin/env bash
# The real program's command line and process: --help and --version without a display, a
# mistyped option, an empty argument, "--", and no core files for the running program.
set -euo pipefail
brimel=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool

make_work_dir

# run ARGS...: the program without a display; sets $status, $out and $err.
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$brimel" "$@" >"$work/out" 2>"$work/err" || status=$?
  out=$(cat "$work/out") err=$(cat "$work/err")
}

for option in --help -h; do
  run "$option"
  [ "$status" -eq 0 ] || fail "$option ended with status $status: $err"
  [[ "$out" == "Usage: brimel "* ]] || fail "$option printed no usage on standard output: $out"
  [ -z "$err" ] || fail "$option wrote to standard error: $err"
done
echo "ok: --help prints the usage and ends with 0, without a display"

for option in --version -v; do
  run "$option"
  [ "$status" -eq 0 ] && [ "$out" = "1.8.2" ] || fail "$option: status $status, output '$out'"
done
echo "ok: --version prints 1.8.2 and ends with 0"

run --no-such-option some.brimel
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status"
[ -z "$out" ] || fail "an unknown option wrote to standard output: $out"
grep -q "no-such-option" <<<"$err" && grep -q -- "--help" <<<"$err" || fail "no usage error on standard error: $err"
echo "ok: an unknown option is a usage error on standard error, status 2"

start_xvfb || fail "the X server did not start"
use_private_home

# An empty argument names no document: the launch opens an untitled window.
"$brimel" "" >"$work/run.log" 2>&1 &
app_pid=$!
win=$(wait_window '^untitled1') || fail "brimel '' showed no window"
echo "ok: an empty argument is no document"

# Core files: none for the running program.
limit=$(awk '/^Max core file size/ {print $5, $6}' "/proc/$app_pid/limits")
[ "$limit" = "0 0" ] || fail "the running program's core size limit is '$limit'"
if [ "$(id -u)" -ne 0 ]; then
  [ "$(stat -c %u "/proc/$app_pid/status")" -eq 0 ] || fail "the running program can be dumped"
fi
echo "ok: the running program's core size limit is 0"

# After "--", "--help" names a document: handed to the running program, which cannot open it.
(cd "$work" && timeout 20 "$brimel" -- --help >>"$work/run.log" 2>&1) || fail "brimel -- --help did not hand over"
message=$(wait_window '^Brimel$') || fail "the running program did not try to open ./--help"
focus "$message"
xdotool key Return
echo "ok: after -- an option's name is a document"

quit_and_wait "$win"
echo "e2e: all passed"
