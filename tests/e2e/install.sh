#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop needs from it: the
# program, its pictures, the launcher entry, the document type and the icons; then starts the
# installed program on a virtual X server and checks that its toolbar shows its pictures.
set -euo pipefail
brimel=$(realpath "$1")
build=$(dirname "$(dirname "$brimel")")
[ -f "$build/CMakeCache.txt" ] || { echo "FAIL: no build folder above $brimel"; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
done

make_work_dir
fail() { echo "FAIL: $*"; exit 1; }

# A prefix with a blank in it, far from the build tree, so nothing is found by accident.
prefix="$work/the prefix"
# By component, so that the build's own install_manifest.txt (a user's way to uninstall) stays.
cmake --install "$build" --prefix "$prefix" --component Unspecified >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install failed"; }

expected=(
  bin/brimel
  share/applications/brimel.desktop
  share/mime/packages/brimel.xml
  share/icons/hicolor/64x64/apps/brimel.png
  share/icons/hicolor/256x256/apps/brimel.png
)
for pic in 64about 64aboutmask Add Addmask Remove Removemask iconlockclosed iconlockclosedmask \
           iconlockopened iconlockopenedmask kagi; do
  expected+=("share/brimel/$pic.pct")
done
expected+=(share/brimel/paypal.gif)
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || fail "$f was not installed"
done
[ -x "$prefix/bin/brimel" ] || fail "bin/brimel is not executable"
echo "ok: the program, its 12 pictures, the desktop entry, the MIME type and the icons are installed"

# The launcher entry opens documents of the installed type.
entry="$prefix/share/applications/brimel.desktop"
grep -qx 'Exec=brimel %F' "$entry" || fail "the desktop entry does not hand files to brimel"
grep -qx 'MimeType=application/x-brimel;' "$entry" || fail "the desktop entry does not name the document type"
grep -qx 'Icon=brimel' "$entry" || fail "the desktop entry does not name the icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" | { grep -v '^[^:]*: hint:' || true; } >"$work/validate.log"
  [ -s "$work/validate.log" ] && { cat "$work/validate.log"; fail "the desktop entry is not valid"; }
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database rejected the MIME type"
  grep -qx 'application/x-brimel:\*\.brimel' "$prefix/share/mime/globs" || fail "*.brimel is not matched to application/x-brimel"
  grep -q 'Brimel Document' "$prefix/share/mime/application/x-brimel.xml" || fail "the type is not called Brimel Document"
fi
echo "ok: the desktop entry and the MIME type are valid and match *.brimel"

# The installed program, started without help, finds its pictures.
start_xvfb || fail "the X server did not start"
use_private_home
unset BRIMEL_RESOURCES

(cd "$work" && exec "$prefix/bin/brimel") >"$work/run.log" 2>&1 &
app_pid=$!
win=$(wait_window '^untitled1') || fail "the installed program showed no window"
sleep 0.5
import -window "$win" "$work/window.png"

# The Add picture is a green cross and the lock a gold padlock; without the pictures the
# toolbar shows captions only, in grey and black.
pixels_near() { # COLOUR: how many of the window's pixels are close to COLOUR
  convert "$work/window.png" -alpha off -fuzz 12% -fill black +opaque "$1" -fill white -opaque "$1" \
    -colorspace gray -format '%[fx:round(mean*w*h)]' info:
}
for colour in '#34A853' '#E8AE2C'; do
  count=$(pixels_near "$colour")
  [ "$count" -ge 10 ] || fail "the toolbar shows no $colour picture ($count pixels)"
done
echo "ok: the installed program shows its toolbar pictures"

kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=""
echo "e2e install: all passed"
