# Sourced by the scripts that run the real program on a virtual X server (the end-to-end
# tests, the screenshot): a temporary folder, the server, a private home, waiting for windows.
# shellcheck shell=bash

# make_work_dir: a new temporary folder in $work; on exit the program ($app_pid), the
# server ($server_pid) and the folder are removed.
make_work_dir() {
  work=$(mktemp -d)
  server_pid=""
  app_pid=""
  trap remove_work_dir EXIT
}

remove_work_dir() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}

# start_xvfb FIRST LAST: starts Xvfb on the first free display from :FIRST to :LAST, exports
# DISPLAY and waits (up to 15 s) until the server answers. Fails when no display is free or
# the server does not answer (a program started then would abort).
start_xvfb() {
  local display="" n
  for n in $(seq "$1" "$2"); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || return 1
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  server_pid=$!
  export DISPLAY=$display
  for _ in $(seq 1 150); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
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

# start_session FIRST LAST: what a script driving the program needs: the tools, a work
# folder, the server on a free display from :FIRST to :LAST, a private home.
start_session() {
  local tool
  for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
  done
  make_work_dir
  start_xvfb "$1" "$2" || { echo "no free X display"; exit 1; }
  use_private_home
}

# fail MESSAGE: ends the script with MESSAGE and the windows shown, on stderr (so that it
# shows also from inside a command substitution).
fail() {
  echo "FAIL: $*" >&2
  xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | sed 's/^/  window: /' >&2
  exit 1
}

# focus WINDOW: gives WINDOW the keyboard, and a moment to take it.
focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.3
}

# wait_end WHAT: the program ($app_pid) ends within 10 s of WHAT, with status 0.
wait_end() {
  local status=0
  for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after $1"
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
}
