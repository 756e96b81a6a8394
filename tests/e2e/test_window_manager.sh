#!/usr/bin/env bash
# Under a real window manager (openbox) and beside a desktop panel: each window's frame and the
# hints it gives, where each window stands, which stay on top, what a close request does to the
# auxiliary windows, the key dialog keeping the keyboard, and fullscreen covering the panel.
E2E_WM=openbox
source "$(dirname "$0")/lib.sh"
e2e_xserver
python3 "$E2E_DIR/panel_window.py" 40 00ff00 &
panel_pid=$!
sleep 0.5
trap 'kill $panel_pid 2>/dev/null; e2e_cleanup' EXIT
e2e_settings FullscreenMode=0 SplashScreen=1 SoundMode=2
"$E2E_BIN/zuzazizo" >"$E2E_HOME/log" 2>&1 &
E2E_PID=$!

wait_gone() {  # PATTERN
  [ -z "$(poll_until 5 "" window_named "$1")" ] || fail "the window '$1' is still shown"
}
# "LEFT TOP RIGHT BOTTOM" of the frame the window manager put around WINDOW.
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1 \3 \2 \4/p'; }
# "X Y W H" of WINDOW with its frame.
outer() {
  local l t r b x y w h info
  read -r l t r b <<<"$(extents "$1")"
  info=$(xwininfo -id "$1")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
# Checks that WINDOW with its frame stands in the middle of the screen, to a pixel.
expect_centred() {  # WHAT WINDOW
  local x y w h deadline=$((SECONDS + 3))
  while :; do
    read -r x y w h <<<"$(outer "$2")"
    [ $(((1024 - w) / 2 - x)) -eq 0 ] && [ $(((768 - h) / 2 - y)) -eq 0 ] && break
    [ "$SECONDS" -lt "$deadline" ] || fail "$1 stands at $x,$y ($w x $h with its frame), not centred"
    sleep 0.1
  done
  pass "$1 is centred with its frame: $x,$y ($w x $h)"
}
motif_functions() { xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= \(0x[0-9a-f]*\), \(0x[0-9a-f]*\),.*/\1 \2/p'; }
# The window asks for no close command: Motif functions given and the close bit (0x20) clear.
expect_no_close_asked() {  # WHAT WINDOW
  local flags functions
  read -r flags functions <<<"$(motif_functions "$2")"
  [ $((flags & 1)) -eq 1 ] && [ $((functions & 0x20)) -eq 0 ] || fail "$1 asks for a close button"
  pass "$1 asks for no title-bar buttons"
}
has_state() { xprop -id "$1" _NET_WM_STATE | grep -q "$2"; }
colour_at() { convert "$E2E_LAST_SHOT" -format "%[pixel:p{$1,$2}]" info:; }

# First run: only the splash screen, framed with its caption, centred; nothing of the main window.
splash=$(wait_window '^About this game')
expect_centred "the splash screen" "$splash"
read -r _ top _ _ <<<"$(extents "$splash")"
[ "$top" -gt 1 ] || fail "the splash screen has no title bar"
expect_no_close_asked "the splash screen" "$splash"
shot
corner_colours=$(convert "$E2E_LAST_SHOT" -crop 200x150+0+0 +repage -format %k info:)
expect_eq "nothing of the main window at the screen's corner" "1" "$corner_colours"

xdotool windowfocus --sync "$splash" 2>/dev/null || true
key Return
wait_gone '^About this game'
E2E_WIN=$(wait_window '^Zuzazizo')
expect_eq "the main window: centred, no frame" "207 195 609 377" "$(outer "$E2E_WIN")"
xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
E2E_WX=207 E2E_WY=195

# The about box: a frame with only a close button, on top, centred; a close request hides it.
key F1
about=$(wait_window '^About the author')
expect_centred "the about box" "$about"
read -r flags functions <<<"$(motif_functions "$about")"
# Move and close; no minimise (0x8) or maximise (0x10). Its fixed size keeps it from resizing.
expect_eq "the about box asks for move and close only" "4 32" "$((functions & 0x4)) $((functions & 0x38))"
has_state "$about" _NET_WM_STATE_ABOVE || fail "the about box does not stay on top"
pass "the about box stays on top"
python3 "$E2E_DIR/close_request.py" "$about"
wait_gone '^About the author'
running || fail "closing the about box ended the program"
pass "a close request hides the about box"

# The manual: no frame at all, on top; a close request hides it.
xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
key F4
manual=$(wait_window '^Manual')
expect_eq "the manual has no frame" "0 0 0 0" "$(extents "$manual")"
has_state "$manual" _NET_WM_STATE_ABOVE || fail "the manual does not stay on top"
pass "the manual stays on top"
python3 "$E2E_DIR/close_request.py" "$manual"
wait_gone '^Manual'
running || fail "closing the manual ended the program"
pass "a close request hides the manual"

# The key dialog: framed, centred, its owner's; a click on the disabled main window leaves it
# the keyboard, so its Escape still closes it.
xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
keys=$(open_key_settings "$E2E_WX" "$E2E_WY")
expect_centred "the key dialog" "$keys"
expect_no_close_asked "the key dialog" "$keys"
xprop -id "$keys" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$E2E_WIN")" ||
  fail "the key dialog does not belong to the main window"
xdotool mousemove $((E2E_WX + 60)) $((E2E_WY + 40)) click 1
sleep 0.5
expect_eq "the key dialog keeps the keyboard" "$keys" "$(poll_until 2 "$keys" xdotool getwindowfocus)"
key Escape
wait_gone '^Key settings'
pass "Escape closed the key dialog"

# Fullscreen covers the panel, which the windowed handheld leaves in view.
shot
expect_eq "the panel is seen beside the windowed handheld" "srgb(0,255,0)" "$(colour_at 500 750)"
xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
key F12
sleep 1
shot
[ "$(colour_at 500 750)" != "srgb(0,255,0)" ] || fail "the panel shows over the fullscreen handheld"
expect_eq "fullscreen covers the screen" "0 0 1024 768" "$(outer "$E2E_WIN")"
pass "fullscreen covers the panel"
