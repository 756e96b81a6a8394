# Shared steps of the scripts that start the real program outside the test suite (the run
# command's smoke start, the package check, the screenshot): a private X server, a private home
# and a wait for the program's first window. Source it; call desktop_cleanup from an EXIT trap.

DESKTOP_HOME=""
DESKTOP_XPID=""
DESKTOP_PID=""

desktop_cleanup() {
  if [ -n "$DESKTOP_PID" ]; then
    kill -9 "$DESKTOP_PID" 2>/dev/null || true
    wait "$DESKTOP_PID" 2>/dev/null || true
  fi
  [ -n "$DESKTOP_XPID" ] && kill "$DESKTOP_XPID" 2>/dev/null || true
  [ -n "$DESKTOP_HOME" ] && rm -rf "$DESKTOP_HOME"
  DESKTOP_PID="" DESKTOP_XPID="" DESKTOP_HOME=""
}

# An empty home, as on a machine that never ran the program: settings land under it.
desktop_home() {
  DESKTOP_HOME=$(mktemp -d)
  export HOME=$DESKTOP_HOME XDG_CONFIG_HOME=$DESKTOP_HOME/config XDG_RUNTIME_DIR=$DESKTOP_HOME
  chmod 700 "$DESKTOP_HOME"
}

# The server picks a free display itself (-displayfd), so parallel runs never collide.
desktop_xserver() {
  local fd_file=$DESKTOP_HOME/display
  Xvfb -displayfd 3 -screen 0 "${DESKTOP_SCREEN:-1024x768}x24" -nolisten tcp -noreset \
    3>"$fd_file" >/dev/null 2>&1 &
  DESKTOP_XPID=$!
  local deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    if [ -s "$fd_file" ]; then
      export DISPLAY=:$(head -1 "$fd_file")
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill -0 "$DESKTOP_XPID" 2>/dev/null || break
    sleep 0.1
  done
  echo "no X server started" >&2
  return 1
}

# Starts COMMAND... in the background with its output in $DESKTOP_HOME/log.
desktop_launch() {
  "$@" >"$DESKTOP_HOME/log" 2>&1 &
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
  cat "$DESKTOP_HOME/log" >&2
  return 1
}
