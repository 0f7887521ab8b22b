# Sourced by the scripts that run the real program on a virtual X server (the end-to-end
# tests, the screenshot): a temporary folder, the server, a private home, waiting for windows.
# shellcheck shell=bash

# need_tools TOOL...: ends the script when a tool it needs is missing.
need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
  done
}

# make_work_dir: a new temporary folder in $work; on exit the program ($app_pid), the
# servers and window managers started here ($server_pids) and the folder are removed.
make_work_dir() {
  work=$(mktemp -d)
  server_pids=()
  app_pid=""
  trap remove_work_dir EXIT
}

remove_work_dir() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  local pid
  for pid in "${server_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}

# start_xvfb: starts Xvfb on a display it finds free itself (so that scripts started at once
# never share one), exports DISPLAY and waits (up to 15 s) until the server answers. Fails when
# it does not (a program started then would abort). Called again, it starts one more server and
# DISPLAY names the new one.
start_xvfb() {
  local number="$work/display.${#server_pids[@]}" n=""
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number" >"$number.log" 2>&1 &
  server_pids+=("$!")
  for _ in $(seq 1 150); do
    n=$(cat "$number" 2>/dev/null || true)
    [ -n "$n" ] && break
    sleep 0.1
  done
  [ -n "$n" ] || return 1
  export DISPLAY=":$n"
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

# start_window_manager: openbox on $DISPLAY, so that windows are placed, raised and given the
# focus as on a desktop; waits (up to 5 s) until it manages the screen.
start_window_manager() {
  openbox --sm-disable >"$work/openbox${DISPLAY#:}.log" 2>&1 &
  server_pids+=("$!")
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  return 1
}

# fail MESSAGE: ends the test with MESSAGE and the titles of the windows shown on $DISPLAY.
# On stderr, so that it shows also from inside a command substitution.
fail() {
  echo "FAIL: $*" >&2
  xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | sed "s/^/  window on $DISPLAY: /" >&2
  exit 1
}

# focus WIN: gives the window the keyboard focus (through the window manager when one runs).
focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.3
}

# answer_dialog REGEX TEXT...: in the first window whose title matches, types each TEXT with
# Tab between them, then Return.
answer_dialog() {
  local win text first=1
  win=$(wait_window "$1") || fail "no window '$1' appeared"
  shift
  focus "$win"
  for text in "$@"; do
    [ "$first" -eq 1 ] || xdotool key Tab
    first=0
    xdotool type --delay 20 "$text"
  done
  xdotool key Return
}

# wait_end WHAT [PID]: the program (PID, by default $app_pid) ends within 10 s of WHAT, with
# status 0.
wait_end() {
  local pid=${2:-$app_pid} status=0
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end after $1"
  wait "$pid" || status=$?
  [ "$pid" = "$app_pid" ] && app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
}

# quit_and_wait WIN [PID]: Ctrl+Q in the window, then as wait_end.
quit_and_wait() {
  focus "$1"
  xdotool key ctrl+q
  wait_end Quit "${2:-}"
}

# wait_gone ID: waits (up to 5 s) until the window is no longer shown.
wait_gone() {
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}

# answer_password PASSWORD: types it into the password dialog that appears, presses Return
# and waits until the dialog has gone, so that the next dialog found is another one.
answer_password() {
  local dialog
  dialog=$(wait_window '^Brimel$') || fail "the password dialog did not appear"
  focus "$dialog"
  xdotool type --delay 20 "$1"
  xdotool key Return
  wait_gone "$dialog" || fail "the password dialog stayed after Return"
}

# start_session: what a script driving the program needs: the tools, a work folder, the server
# on a free display, a private home.
start_session() {
  need_tools Xvfb xdotool
  make_work_dir
  start_xvfb || { echo "the X server did not start"; exit 1; }
  use_private_home
}
