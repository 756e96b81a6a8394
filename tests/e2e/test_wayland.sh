#!/usr/bin/env bash
# In a Wayland session (weston with XWayland) where both WAYLAND_DISPLAY and DISPLAY are set, as
# on a Wayland desktop: the program takes XWayland, where its shaped handheld stands centred,
# plays a game by keys, is dragged by its case and goes fullscreen; a platform the user sets
# still wins.
#
# weston runs nested in the test's own X server (its x11 backend, drawn by pixman), so that its
# seat has a keyboard and a pointer: xdotool drives that server, weston passes the input on, and
# screenshots of that server show weston's output. (Its headless backend has no seat at all.)
E2E_WM=  # weston manages the windows itself
source "$(dirname "$0")/lib.sh"
# Room beside weston's 1024x768 output, for the pointer to enter it from.
E2E_SCREEN=1280x1024 e2e_xserver
outer=$DISPLAY
runtime=$E2E_HOME/runtime
mkdir -p "$runtime"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=zuzazizo-e2e
unset QT_QPA_PLATFORM
weston --backend=x11-backend.so --use-pixman --xwayland --socket="$WAYLAND_DISPLAY" \
  --width=1024 --height=768 --shell=desktop-shell.so --idle-time=0 >"$E2E_HOME/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; e2e_cleanup' EXIT
xwayland=""
for _ in $(seq 100); do
  xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_HOME/weston.log")
  [ -n "$xwayland" ] && [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$xwayland" ] || { cat "$E2E_HOME/weston.log" >&2; fail "weston started no XWayland"; }
pass "weston runs with XWayland on $xwayland"
xw() { DISPLAY=$xwayland "$@"; }

launch() {  # SETTINGS...: starts the program in the session and finds its window on XWayland
  e2e_settings "$@"
  DISPLAY=$xwayland "$E2E_BIN/zuzazizo" >"$E2E_HOME/log" 2>&1 &
  E2E_PID=$!
  E2E_WIN=""
  for _ in $(seq 100); do
    E2E_WIN=$(xw xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | tail -1) || true
    [ -n "$E2E_WIN" ] && break
    running || fail "the program ended at start-up"
    sleep 0.1
  done
  [ -n "$E2E_WIN" ] || fail "no window on XWayland: the program took another platform"
  sleep 0.5
}
stop() {
  kill -9 "$E2E_PID"
  wait "$E2E_PID" 2>/dev/null || true
}
# "X,Y WxH" of the window's client area in XWayland's root coordinates, which weston's window
# manager keeps in step with where it shows the window on its output.
placement() {
  local info
  info=$(xw xwininfo -id "$E2E_WIN")
  printf '%s,%s %sx%s\n' "$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")" \
    "$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")" \
    "$(sed -n 's/.*Width: *//p' <<<"$info")" "$(sed -n 's/.*Height: *//p' <<<"$info")"
}

# The desktop as weston draws it, once it has drawn it (it fades in from black), for what must
# show through the window.
corner() { convert "$1" -format '%[pixel:p{208,196}]' info:; }
previous=""
for _ in $(seq 100); do
  shot
  now=$(corner "$E2E_LAST_SHOT")
  [ "$now" != "gray(0)" ] && [ "$now" = "$previous" ] && break
  previous=$now
  sleep 0.2
done
desktop_shot=$E2E_LAST_SHOT
# A stored high score tells the ready screen from the game's own score of 0 on the panel.
launch FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=470
expect_eq "the handheld is centred" "207,195 609x377" "$(poll_until 3 "207,195 609x377" placement)"
E2E_WX=207 E2E_WY=195
# The window is found before weston shows it: the readings below wait for the case to be drawn,
# and that picture is the one whose corner must show the desktop.
case_shown() {
  shot
  [ "$(convert "$E2E_LAST_SHOT" -format '%[pixel:p{300,300}]' info:)" != \
    "$(convert "$desktop_shot" -format '%[pixel:p{300,300}]' info:)" ] || return 0
  cp "$E2E_LAST_SHOT" "$E2E_HOME/case.png"
  echo shown
}
expect_eq "the case is shown" shown "$(poll_until 5 shown case_shown)"
# Shaped as the compositor shows it: the case's rounded corner shows the desktop behind it.
# weston's window shadow tints it a little; the key colour or black would be far off.
rgb() { convert "$1" -format '%[fx:int(255*p{208,196}.r)] %[fx:int(255*p{208,196}.g)] %[fx:int(255*p{208,196}.b)]' info:; }
read -r r0 g0 b0 <<<"$(rgb "$desktop_shot")"
read -r r1 g1 b1 <<<"$(rgb "$E2E_HOME/case.png")"
for d in $((r1 - r0)) $((g1 - g0)) $((b1 - b0)); do
  [ "${d#-}" -le 32 ] || fail "the key-colour corner hides the desktop: $r1,$g1,$b1 over $r0,$g0,$b0"
done
pass "the key-colour corner shows the desktop: $r1,$g1,$b1 over $r0,$g0,$b0"

# The compositor gives the keyboard to the window clicked; the case takes the click.
# weston follows the pointer once it has come in over its output, from outside it.
xdotool mousemove 1200 1000
sleep 0.2
xdotool mousemove 327 535
sleep 0.2
xdotool click 1
# weston hands XWayland the keyboard and the window the X input focus together; keys sent before
# would go nowhere.
expect_eq "the handheld has the keyboard" "$E2E_WIN" \
  "$(poll_until 5 "$E2E_WIN" xw xdotool getwindowfocus)"
expect_eq "all segments at power-on" "8888" "$(poll_until 5 8888 panel)"
key 3  # from the power-on display to the time of day
key_down 1
expect_eq "GAME A by keys: the ready screen shows the high score" "_470" "$(poll_until 5 _470 panel)"
key_up 1
# LEFT during the start delay would only silence the game: it waits for the score.
expect_eq "GAME A by keys: score after the start delay" "___0" "$(poll_until 8 ___0 panel)"
key Left
expect_eq "LEFT moved the batter" "1 0 0" "$(poll_until 2 "1 0 0" lit im_hero_1_1 im_hero_2_1 im_hero_3_1)"

# Dragged by its case: the window moves by the pointer's movement. weston takes the drag over
# only while the button is held, so the pointer waits for the program to have taken the press
# (it marks the window's user time as it does) before it moves and lets go.
user_time() { xw xprop -id "$E2E_WIN" _NET_WM_USER_TIME; }
before=$(user_time)
xdotool mousemove 327 535 mousedown 1
pressed() { [ "$(user_time)" != "$before" ] && echo pressed; }
expect_eq "the press on the case reached the program" pressed "$(poll_until 3 pressed pressed)"
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((327 + 10 * step)) $((535 - 5 * step))
  sleep 0.05
done
xdotool mouseup 1
expect_eq "the drag moved the window" "267,165 609x377" "$(poll_until 3 "267,165 609x377" placement)"

# Fullscreen as the user sees it: the window's own picture fills weston's output from its origin
# (but for the pointer). Weston does not always tell XWayland where it shows a fullscreen window,
# so the X window's own position is no proof of it.
# Prints "fills" when no more pixels than the pointer's differ, else how many differ.
fills_output() {
  local differ
  xw import -window "$E2E_WIN" "$E2E_HOME/window.png"
  shot
  differ=$(compare -metric AE "$E2E_HOME/window.png" \
    \( "$E2E_LAST_SHOT" -crop 1024x768+0+0 +repage \) null: 2>&1 || true)
  if [ "$differ" -le 2000 ]; then echo fills; else echo "$differ"; fi
}
key F12
expect_eq "F12: the window takes the output's size" "1024x768" \
  "$(poll_until 3 "0,0 1024x768" placement | cut -d' ' -f2)"
differ=$(poll_until 5 fills fills_output)
[ "$differ" = fills ] || fail "F12: the output shows $differ pixels not of the window"
pass "F12: the window fills the output (no more pixels differ than the pointer's)"
# Back in windowed mode weston puts the window where it likes: it ignores a mapped X window's
# own moves, so the centring does not reach it there.
key F12
expect_eq "F12 again: windowed" "609x377" "$(poll_until 5 "x 609x377" placement | cut -d' ' -f2)"
# The keyboard is the handheld's still: Ctrl+= doubles the window, Ctrl+0 brings it back.
key ctrl+equal
expect_eq "Ctrl+= after the switches" "1218x754" "$(poll_until 3 "x 1218x754" placement | cut -d' ' -f2)"
key ctrl+0
expect_eq "Ctrl+0 after the switches" "609x377" "$(poll_until 3 "x 609x377" placement | cut -d' ' -f2)"

stop

# The manual viewer stands centred, asked for as it is mapped (weston ignores a later move).
launch FullscreenMode=0 SplashScreen=0 SoundMode=2
xdotool mousemove 1200 1000
sleep 0.2
xdotool mousemove 327 535 click 1
expect_eq "the new handheld has the keyboard" "$E2E_WIN" \
  "$(poll_until 5 "$E2E_WIN" xw xdotool getwindowfocus)"
key F4
manual=""
for _ in $(seq 30); do
  manual=$(xw xdotool search --onlyvisible --name '^Manual$' 2>/dev/null | head -1) && break
  sleep 0.1
done
[ -n "$manual" ] || fail "the manual did not show"
expect_eq "the manual is centred" "317,234 390x300" "$(E2E_WIN=$manual poll_until 3 "317,234 390x300" placement)"
stop

launch FullscreenMode=1 SplashScreen=0 SoundMode=2
expect_eq "fullscreen at start covers the output" "0,0 1024x768" "$(poll_until 3 "0,0 1024x768" placement)"
stop

# The user's own choice of platform wins: with Qt's Wayland platform asked for, no X window.
QT_QPA_PLATFORM=wayland DISPLAY=$xwayland "$E2E_BIN/zuzazizo" >"$E2E_HOME/log" 2>&1 &
E2E_PID=$!
sleep 3
running || fail "the program did not run on Wayland"
[ -z "$(xw xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null)" ] ||
  fail "QT_QPA_PLATFORM=wayland was overridden"
pass "QT_QPA_PLATFORM=wayland is honoured"
