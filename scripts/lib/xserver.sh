# A private home and a private X server for one run of the real program: the end-to-end tests,
# the benchmarks and the desktop scripts (smoke start, package check, screenshot) all start it so.
# Source it and call xserver_cleanup on exit.
#   xserver_home             an empty home, as on a machine that never ran the program
#   xserver_settings K=V...  writes the program's settings file, one value an argument
#   xserver_start            starts the server and exports DISPLAY once it answers
#   XSERVER_SCREEN           the screen's size (default 1024x768)

XSERVER_HOME=""
XSERVER_PID=""

xserver_home() {
  XSERVER_HOME=$(mktemp -d)
  chmod 700 "$XSERVER_HOME"
  export HOME=$XSERVER_HOME XDG_CONFIG_HOME=$XSERVER_HOME/config XDG_RUNTIME_DIR=$XSERVER_HOME
  # Where Qt's native format keeps the program's settings on Linux: organisation/application.
  SETTINGS_FILE=$XDG_CONFIG_HOME/Tessaron/Dovuruza50.conf
  mkdir -p "$(dirname "$SETTINGS_FILE")"
}

# All the program's values live in the one [General] section.
xserver_settings() {
  { echo "[General]"; printf '%s\n' "$@"; } >"$SETTINGS_FILE"
}

# The server picks a free display itself (-displayfd), so parallel runs never collide, and does
# not reset when its last client goes away (-noreset): a reset while the program is being
# restarted refuses the connection.
xserver_start() {
  local fd_file=$XSERVER_HOME/display deadline=$((SECONDS + 10))
  Xvfb -displayfd 3 -screen 0 "${XSERVER_SCREEN:-1024x768}x24" -nolisten tcp -noreset \
    3>"$fd_file" >/dev/null 2>&1 &
  XSERVER_PID=$!
  while [ "$SECONDS" -lt "$deadline" ]; do
    if [ -s "$fd_file" ]; then
      export DISPLAY=:$(head -1 "$fd_file")
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill -0 "$XSERVER_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "no X server started" >&2
  return 1
}

xserver_cleanup() {
  if [ -n "$XSERVER_PID" ]; then kill "$XSERVER_PID" 2>/dev/null || true; fi
  if [ -n "$XSERVER_HOME" ]; then rm -rf "$XSERVER_HOME"; fi
  XSERVER_PID="" XSERVER_HOME=""
}
