#!/usr/bin/env bash
# F12 from fullscreen to the shaped window and back; in windowed mode the key-colour pixels let
# the mouse through to what lies behind, and a drag on the case moves the window by the drag.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=1 SplashScreen=0 SoundMode=2

# "X Y W H" of the program's window.
geometry() {
  local geo
  geo=$(xdotool getwindowgeometry "$E2E_WIN")
  sed -n 's/.*Position: \(-\?[0-9]*\),\(-\?[0-9]*\).*/\1 \2/p' <<<"$geo" | tr '\n' ' '
  sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' <<<"$geo"
}
# The number of visible windows of the program: the main window, plus the popup while it shows.
windows_shown() { xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | wc -l; }

# The default skin: a 609 by 377 game on the 1024 by 768 screen, centred at 207, 195.
expect_eq "fullscreen covers the screen" "0 0 1024 768" "$(poll_until 5 "0 0 1024 768" geometry)"
shot
fullscreen_shot=$E2E_LAST_SHOT
key F12
expect_eq "F12 gives the centred game-sized window" "207 195 609 377" \
  "$(poll_until 5 "207 195 609 377" geometry)"
shot
windowed_shot=$E2E_LAST_SHOT
[ "$(convert "$windowed_shot" -format '%[pixel:p{208,196}]' info:)" != \
  "$(convert "$fullscreen_shot" -format '%[pixel:p{208,196}]' info:)" ] ||
  fail "the case's corner looks the same in both modes"
expect_eq "settings: windowed" "0" "$(setting FullscreenMode)"

# The case's rounded corner is key colour: there the pointer is over the root window, and a
# right-click there opens no menu, because it never reaches the program.
xdotool mousemove 208 196
# A window manager shapes its frame after the window's new shape, a moment later.
for _ in $(seq 30); do [ "$(window_under_pointer)" != "$E2E_WIN" ] && break; sleep 0.1; done
[ "$(window_under_pointer)" != "$E2E_WIN" ] || fail "the key-colour corner belongs to the window"
pass "the key-colour corner is not the program's window"
xdotool click 3
expect_eq "a right-click through the corner opens nothing" "1" "$(poll_until 1 2 windows_shown)"
# A window manager may open its own desktop menu there; a left click on the desktop folds it.
xdotool click 1
sleep 0.2
xdotool mousemove 327 535
sleep 0.2
expect_eq "the case itself is the program's window" "$E2E_WIN" "$(window_under_pointer)"
xdotool click 3
expect_eq "a right-click on the case opens the popup" "2" "$(poll_until 5 2 windows_shown)"
key Escape
expect_eq "Esc closes only the popup" "1" "$(poll_until 5 1 windows_shown)"
running || fail "Esc in the popup ended the program"

# A drag that begins on the case moves the window by exactly the pointer's movement.
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((327 + 10 * step)) $((535 - 5 * step))
  sleep 0.05
done
xdotool mouseup 1
expect_eq "the window moved by the drag" "267 165 609 377" "$(poll_until 5 "267 165 609 377" geometry)"

# The popup holds the keyboard while it is open; F12 still switches, and the popup goes.
xdotool mousemove 400 400 click 3
expect_eq "the popup opens on the moved window" "2" "$(poll_until 5 2 windows_shown)"
key F12
expect_eq "F12 with the popup open: back to fullscreen" "0 0 1024 768" \
  "$(poll_until 5 "0 0 1024 768" geometry)"
expect_eq "the popup closed" "1" "$(poll_until 5 1 windows_shown)"
expect_eq "settings: fullscreen" "1" "$(setting FullscreenMode)"
shot
[ "$(convert "$E2E_LAST_SHOT" -format '%[pixel:p{208,196}]' info:)" = \
  "$(convert "$fullscreen_shot" -format '%[pixel:p{208,196}]' info:)" ] ||
  fail "fullscreen does not look as it did"
pass "fullscreen looks as it did at start"
