#!/usr/bin/env bash
# Visit on the real program under a virtual X server, through Qt's own hand-over to the
# desktop: an address typed without a scheme opens as https, and when the desktop has no
# program to open it, a message says so.
set -euo pipefail
brimel=$(realpath "$1")
tool="$(dirname "$brimel")/e2e_document"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

need_tools Xvfb xdotool xwininfo
[ -x "$tool" ] || { echo "$tool is missing: build the tests"; exit 1; }

make_work_dir
start_xvfb || { echo "the X server did not start"; exit 1; }
use_private_home
unset BROWSER DEFAULT_BROWSER

# visit PATH: opens the document with PATH as the program's search path, clicks Visit.
visit() {
  PATH="$1" "$brimel" "$work/site.brimel" >>"$work/run.log" 2>&1 &
  app_pid=$!
  answer_password pw
  win=$(wait_window '^site\.brimel') || fail "site.brimel did not open"
  sleep 0.5
  # The Visit button sits at 564,231 (40 x 22) in the content area, below the bars.
  local height bars
  height=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')
  bars=$((height - 376))
  xdotool mousemove --window "$win" $((564 + 20)) $((bars + 231 + 11)) click 1
  sleep 1
}

"$tool" make "$work/site.brimel" pw "100*200*639*376" "www.example.org"

# 1. The desktop's opener is there (a stand-in that notes what it was given).
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
visit "$work/bin"
[ "$(cat "$work/opened" 2>/dev/null)" = "https://www.example.org" ] ||
  fail "the desktop was handed \"$(cat "$work/opened" 2>/dev/null)\", not https://www.example.org"
xdotool search --onlyvisible --name '^Brimel$' >/dev/null 2>&1 && fail "a message appeared although the address opened"
echo "ok: www.example.org was opened as https://www.example.org"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=""

# 2. Nothing on the desktop opens web addresses: the user is told.
mkdir -p "$work/empty"
visit "$work/empty"
wait_window '^Brimel$' >/dev/null || fail "no message said that the address could not be opened"
echo "ok: a message says the address could not be opened"
echo "e2e: all passed"
