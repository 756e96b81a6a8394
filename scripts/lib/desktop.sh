# Shared steps of the scripts that start the real program outside the test suite (the run
# command's smoke start, the package check, the screenshot): a private X server, a private home
# and a wait for the program's first window. Source it; call desktop_cleanup from an EXIT trap.

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
DESKTOP_PROBE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tests/e2e" && pwd)/lcd_probe.py
DESKTOP_PID=""

desktop_cleanup() {
  if [ -n "$DESKTOP_PID" ]; then
    kill -9 "$DESKTOP_PID" 2>/dev/null || true
    wait "$DESKTOP_PID" 2>/dev/null || true
  fi
  DESKTOP_PID=""
  xserver_cleanup
}

# Starts COMMAND... in the background with its output in $XSERVER_HOME/log.
desktop_launch() {
  "$@" >"$XSERVER_HOME/log" 2>&1 &
  DESKTOP_PID=$!
}

# Waits up to SECONDS for a visible window of the launched program; prints its id.
desktop_window() {
  local deadline=$((SECONDS + $1)) win
  while [ "$SECONDS" -lt "$deadline" ]; do
    win=$(xdotool search --onlyvisible --pid "$DESKTOP_PID" 2>/dev/null | tail -1) || true
    if [ -n "$win" ]; then
      echo "$win"
      return 0
    fi
    kill -0 "$DESKTOP_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "no window of the program appeared; its output:" >&2
  cat "$XSERVER_HOME/log" >&2
  return 1
}

# Reads the LCD's panel of window WIN from screenshots, DATA_DIR holding the program's Config.ini,
# until it matches the regular expression READING or SECONDS have passed; prints the last reading
# and fails if it never matched.
desktop_panel_until() {  # WIN DATA_DIR SECONDS READING
  local deadline=$((SECONDS + $3)) reading="" X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  while :; do
    import -window root "$XSERVER_HOME/panel.png"
    reading=$(python3 "$DESKTOP_PROBE" panel "$XSERVER_HOME/panel.png" "$2" "$X" "$Y")
    [[ $reading =~ $4 ]] && break
    [ "$SECONDS" -lt "$deadline" ] || { echo "$reading"; return 1; }
    sleep 0.2
  done
  echo "$reading"
}

# Power-on lights every segment (8888); TIME leads to the time of day, whose minutes' tens never
# read 8. Leaves the window showing the clock; prints its reading.
desktop_show_clock() {  # WIN DATA_DIR
  desktop_panel_until "$1" "$2" 15 '^8888$' >/dev/null || return 1
  xdotool keydown 3
  sleep 0.1
  xdotool keyup 3
  desktop_panel_until "$1" "$2" 15 '^[_0-9][0-9][0-5][0-9]$'
}
