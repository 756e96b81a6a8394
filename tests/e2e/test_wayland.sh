#!/usr/bin/env bash
# In a Wayland session (weston, headless, with XWayland) where both WAYLAND_DISPLAY and DISPLAY
# are set, as on a Wayland desktop: the program takes XWayland, where its handheld stands centred
# and shaped and its fullscreen covers the output; a platform the user sets still wins.
E2E_WM=  # weston manages the windows itself
source "$(dirname "$0")/lib.sh"
runtime=$E2E_HOME/runtime
mkdir -p "$runtime"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=zuzazizo-e2e
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_DISPLAY" --width=1024 \
  --height=768 --shell=desktop-shell.so --idle-time=0 >"$E2E_HOME/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; e2e_cleanup' EXIT
for _ in $(seq 100); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_HOME/weston.log")
  [ -n "$display" ] && [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "${display:-}" ] || { cat "$E2E_HOME/weston.log" >&2; fail "weston started no XWayland"; }
export DISPLAY=$display
pass "weston runs with XWayland on $DISPLAY"

# weston's headless output has no seat: XWayland 22 crashes on a pointer moved through XTEST
# there, and no key reaches a window. So only what the program does by itself is checked here.
launch() {  # SETTINGS...: starts the program and finds its window on XWayland
  e2e_settings "$@"
  "$E2E_BIN/zuzazizo" >"$E2E_HOME/log" 2>&1 &
  E2E_PID=$!
  E2E_WIN=""
  for _ in $(seq 100); do
    E2E_WIN=$(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | tail -1) || true
    [ -n "$E2E_WIN" ] && break
    running || fail "the program ended at start-up"
    sleep 0.1
  done
  [ -n "$E2E_WIN" ] || fail "no window on XWayland: the program took another platform"
  sleep 0.5
}
# "X,Y WxH" of the window's client area in XWayland's root coordinates, which weston's window
# manager keeps in step with where it shows the window. (xdotool adds the frame it reports.)
placement() {
  local info
  info=$(xwininfo -id "$E2E_WIN")
  printf '%s,%s %sx%s\n' "$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")" \
    "$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")" \
    "$(sed -n 's/.*Width: *//p' <<<"$info")" "$(sed -n 's/.*Height: *//p' <<<"$info")"
}

launch FullscreenMode=0 SplashScreen=0 SoundMode=2
expect_eq "the handheld is centred" "207,195 609x377" "$(placement)"
xwininfo -shape -id "$E2E_WIN" | grep -q "Window shape extents" || fail "the window has no shape"
pass "the window is shaped"
kill -9 "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true

launch FullscreenMode=1 SplashScreen=0 SoundMode=2
expect_eq "fullscreen covers the output" "0,0 1024x768" "$(placement)"
kill -9 "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true

# The user's own choice of platform wins: with Qt's Wayland platform asked for, no X window.
export QT_QPA_PLATFORM=wayland
"$E2E_BIN/zuzazizo" >"$E2E_HOME/log" 2>&1 &
E2E_PID=$!
sleep 3
running || fail "the program did not run on Wayland"
[ -z "$(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null)" ] ||
  fail "QT_QPA_PLATFORM=wayland was overridden"
pass "QT_QPA_PLATFORM=wayland is honoured"
