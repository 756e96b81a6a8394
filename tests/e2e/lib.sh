# Shared steps of the end-to-end tests: a private X server, a fresh settings file, the real
# program, keys through xdotool and readings of the LCD from screenshots.
# Usage: source it, then `e2e_start KEY=VALUE...`; everything is cleaned up on exit.
set -euo pipefail

E2E_BIN=${1:?usage: test.sh BIN_DIR}
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../../scripts/lib/xserver.sh"
xserver_home
E2E_HOME=$XSERVER_HOME
E2E_CONF=$SETTINGS_FILE
E2E_SHOTS=${E2E_SHOTS:-$E2E_HOME}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
E2E_PID=""
E2E_WMPID=""
# E2E_WM=openbox runs the tests under a real window manager; empty, on the bare server.
E2E_WM=${E2E_WM:-}

e2e_cleanup() {
  if [ -n "$E2E_PID" ]; then
    kill -9 "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
  fi
  if [ -n "$E2E_WMPID" ]; then kill "$E2E_WMPID" 2>/dev/null || true; fi
  xserver_cleanup
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; [ -f "$E2E_HOME/log" ] && cat "$E2E_HOME/log" >&2; exit 1; }
pass() { echo "ok: $*"; }

e2e_xserver() {
  XSERVER_SCREEN=${E2E_SCREEN:-1024x768} xserver_start || fail "no X server"
  e2e_wm
}

# The window manager named by E2E_WM, started on the test's server; it is ready once it has
# announced itself on the root window.
e2e_wm() {
  case "$E2E_WM" in
    "") return 0 ;;
    openbox) openbox --sm-disable >"$E2E_HOME/wm.log" 2>&1 & ;;
    *) fail "unknown window manager '$E2E_WM'" ;;
  esac
  E2E_WMPID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$E2E_WMPID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$E2E_HOME/wm.log" >&2
  fail "the window manager '$E2E_WM' did not start"
}

e2e_settings() { xserver_settings "$@"; }

setting() { sed -n "s/^$1=//p" "$E2E_CONF" | tr -d '"'; }

e2e_launch() {
  xdpyinfo >/dev/null 2>&1 || fail "the X server on $DISPLAY is gone"
  "$E2E_BIN/zuzazizo" >"$E2E_HOME/log" 2>&1 &
  E2E_PID=$!
  E2E_WIN=""
  for _ in $(seq 100); do
    E2E_WIN=$(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | tail -1) || true
    [ -n "$E2E_WIN" ] && break
    kill -0 "$E2E_PID" 2>/dev/null || fail "the program ended at start-up"
    sleep 0.1
  done
  [ -n "$E2E_WIN" ] || fail "no window appeared"
  # The window can be found before it can take the keyboard: ask again until it has it.
  local deadline=$((SECONDS + 5))
  until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$E2E_WIN" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the window never took the keyboard focus"
    xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || sleep 0.1
  done
  xdotool mousemove 0 0
  local geo
  geo=$(xdotool getwindowgeometry "$E2E_WIN")
  E2E_WX=$(sed -n 's/.*Position: \(-\?[0-9]*\),.*/\1/p' <<<"$geo")
  E2E_WY=$(sed -n 's/.*Position: -\?[0-9]*,\(-\?[0-9]*\).*/\1/p' <<<"$geo")
}

e2e_start() {
  e2e_xserver
  e2e_settings "$@"
  e2e_launch
}

key() { xdotool keydown "$1"; sleep 0.08; xdotool keyup "$1"; sleep 0.15; }
key_down() { xdotool keydown "$1"; sleep 0.15; }
key_up() { xdotool keyup "$1"; sleep 0.15; }

shot() {
  # Readings run in subshells, so the counter lives in a file.
  E2E_SHOT_COUNT=$(( $(cat "$E2E_HOME/shots" 2>/dev/null || echo 0) + 1 ))
  echo "$E2E_SHOT_COUNT" > "$E2E_HOME/shots"
  E2E_LAST_SHOT=$E2E_SHOTS/$(basename "$0" .sh)-$E2E_SHOT_COUNT.png
  import -window root "$E2E_LAST_SHOT"
}

# Runs COMMAND every tenth of a second until it prints EXPECTED or SECONDS have passed; prints
# its last output, for the caller to compare. EXPECTED "" waits for something to be gone. Only
# the output counts: a search that finds nothing may fail, and must not end the script.
poll_until() {  # SECONDS EXPECTED COMMAND...
  local out deadline=$((SECONDS + $1)) expected=$2
  shift 2
  while :; do
    out=$("$@") || true
    [ "$out" = "$expected" ] || [ "$SECONDS" -ge "$deadline" ] && break
    sleep 0.1
  done
  printf '%s\n' "$out"
}

panel() { shot; python3 "$E2E_DIR/lcd_probe.py" panel "$E2E_LAST_SHOT" "$E2E_BIN" "$E2E_WX" "$E2E_WY"; }
lit() { shot; python3 "$E2E_DIR/lcd_probe.py" lit "$E2E_LAST_SHOT" "$E2E_BIN" "$E2E_WX" "$E2E_WY" "$@"; }

expect_eq() {  # WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
  pass "$1 = '$3'"
}

# The program's window under the pointer, or whatever else is there. A window manager puts a frame
# of its own around each window (even a borderless one); over it the pointer is over the window.
window_under_pointer() {
  local w root tree=""
  w=$(xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p')
  root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
  if [ -n "$E2E_WM" ] && [ -n "$w" ] && [ "$w" != "$E2E_WIN" ] && [ $((w)) != $((root)) ]; then
    tree=$(xwininfo -tree -id "$w" 2>/dev/null)
  fi
  if grep -qi "^ *$(printf '0x%x' "$E2E_WIN") " <<<"$tree"; then
    echo "$E2E_WIN"
  else
    echo "$w"
  fi
}

# The program's visible window whose caption matches PATTERN (a regular expression), if any.
window_named() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name "$1" 2>/dev/null | head -1
}
wait_window() {  # PATTERN [FAILURE]: prints the window once it is visible
  local w
  for _ in $(seq 50); do
    w=$(window_named "$1") || true
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  fail "${2:-no window '$1' appeared}"
}

# Opens "Key settings" from the context menu of the window at WX,WY (its sixth command: the arrow
# keys skip separators) and prints the dialog's window.
open_key_settings() {  # WX WY
  xdotool mousemove $(($1 + 60)) $(($2 + 200)) click 3
  sleep 0.5
  for _ in 1 2 3 4 5 6; do xdotool key Down; sleep 0.05; done
  xdotool key Return
  wait_window '^Key settings'
}

running() { kill -0 "$E2E_PID" 2>/dev/null; }
# Waits up to SECONDS for the program to end; AFTER names what should have ended it.
wait_ended() {  # SECONDS AFTER
  local deadline=$((SECONDS + $1))
  while running; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the program was still running $1 s after $2"
    sleep 0.1
  done
  E2E_PID=""
}
