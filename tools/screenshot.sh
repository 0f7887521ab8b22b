#!/usr/bin/env bash
# Makes docs/screenshot.png with the program itself: starts it on a virtual X server with a
# sample document, types its password and captures the document window.
#
#   bash tools/screenshot.sh [BRIMEL-EXECUTABLE] [OUTPUT.png]
#
# Needs Xvfb, xdotool and ImageMagick's import (all installed by tools/deps.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
brimel=$(realpath -m "${1:-$root/build/bin/brimel}")
out=$(realpath -m "${2:-$root/docs/screenshot.png}")
sample="$root/tests/data/current-2-entries.brimel"   # password "fixture"
# shellcheck source=tools/xvfb.sh
source "$root/tools/xvfb.sh"

[ -x "$brimel" ] || { echo "screenshot: $brimel is not built (bash tools/run.sh builds it)" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing (bash tools/deps.sh)" >&2; exit 1; }
done

make_work_dir
start_xvfb || { echo "screenshot: the X server did not start" >&2; exit 1; }
use_private_home

shown() { # REGEX: wait_window, saying which window did not appear
  wait_window "$1" || { echo "screenshot: no window titled $1 appeared" >&2; return 1; }
}

cp "$sample" "$work/Passwords.brimel"
"$brimel" "$work/Passwords.brimel" >"$work/brimel.log" 2>&1 &
app_pid=$!

dialog=$(shown '^Brimel$')
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.3
xdotool type --delay 20 fixture
xdotool key Return

window=$(shown '^Passwords\.brimel')
# Without a window manager nothing keeps the frame on screen; put it where all of it shows.
xdotool windowmove --sync "$window" 40 40 2>/dev/null || true
sleep 0.3

# A few more entries, typed in as a user would: Add (the toolbar's first button), then the
# five fields in tab order.
add_entry() { # TITLE USER PASSWORD URL NOTES
  xdotool mousemove --window "$window" 23 45 click 1
  sleep 0.3
  local i
  for ((i = 1; i <= $#; i++)); do
    ((i == 1)) || xdotool key Tab
    xdotool type --delay 10 "${!i}"
  done
  sleep 0.2
}
add_entry "Bank" "jdoe" "k7#Vq9!mZ2" "https://bank.example.com" "Card PIN is in the safe."
add_entry "Wi-Fi at home" "brimel-net" "correct horse battery" "http://192.168.1.1" "WPA2; the router is in the hall."
add_entry "Mail" "jane.doe@example.com" "tR4-nw8x" "https://mail.example.com" "Recovery codes printed."
# Show the first entry: a click on the list's first row.
xdotool mousemove --window "$window" 150 103 click 1
xdotool mousemove 0 0
sleep 1   # let the window finish painting

mkdir -p "$(dirname "$out")"
import -window "$window" -strip -define png:exclude-chunks=date,time "$out"
echo "screenshot: wrote $out ($(identify -format '%wx%h' "$out"))"
