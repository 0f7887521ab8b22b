#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop needs from it: the
# program, its pictures, the launcher entry, the document type and the icons; then starts the
# installed program on a virtual X server and checks that its toolbar shows its pictures.
set -euo pipefail
brimel=$(realpath "$1")
build=$(dirname "$(dirname "$brimel")")
[ -f "$build/CMakeCache.txt" ] || { echo "FAIL: no build folder above $brimel"; exit 1; }

for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
done

work=$(mktemp -d)
server_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A prefix with a blank in it, far from the build tree, so nothing is found by accident.
prefix="$work/the prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install failed"; }

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
display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server_pid=$!
export DISPLAY=$display
for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

export HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME BRIMEL_RESOURCES

(cd "$work" && exec "$prefix/bin/brimel") >"$work/run.log" 2>&1 &
app_pid=$!
win=""
for _ in $(seq 1 150); do
  win=$(xdotool search --onlyvisible --name '^untitled1' 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "the installed program showed no window"
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
