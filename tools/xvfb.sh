# Sourced by the scripts that run the real program on a virtual X server (the end-to-end
# tests, the screenshot): a temporary folder, the server, a private home, waiting for windows.
# shellcheck shell=bash

# make_work_dir: a new temporary folder in $work; on exit the program ($app_pid), the window
# manager ($wm_pid), the server ($server_pid) and the folder are removed.
make_work_dir() {
  work=$(mktemp -d)
  server_pid=""
  app_pid=""
  wm_pid=""
  trap remove_work_dir EXIT
}

remove_work_dir() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}

# start_xvfb FIRST LAST: starts Xvfb on the first free display from :FIRST to :LAST, exports
# DISPLAY and waits (up to 5 s) until the server answers. Fails when no display is free.
start_xvfb() {
  local display="" n
  for n in $(seq "$1" "$2"); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || return 1
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  server_pid=$!
  export DISPLAY=$display
  for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

# use_private_home: a home, temp and runtime folder inside $work, so the hand-over socket is
# this run's own and a Brimel already running on the desktop is not asked; Qt on the X server.
use_private_home() {
  export HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run"
  mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export QT_QPA_PLATFORM=xcb
  unset QT_QPA_PLATFORMTHEME
}

# start_wm: openbox as the server's window manager, so that windows are framed, placed and
# activated as on a desktop; waits (up to 5 s) until it manages the screen. After
# use_private_home, so that it keeps its files in the private home.
start_wm() {
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  return 1
}

# wait_window REGEX: the id of the first visible window whose title matches, within 15 s.
wait_window() {
  local id=""
  for _ in $(seq 1 150); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
