#!/usr/bin/env bash
# Each window's caption, as the window manager and the task bar read it, is its own text and
# nothing more: no program name appended to the splash screen, the about box or the key dialog.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=1 SoundMode=2

# Both the EWMH name (UTF-8) and the old WM_NAME must carry the caption.
expect_caption() {  # WINDOW CAPTION
  local net old
  net=$(xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p')
  old=$(xprop -id "$1" WM_NAME | sed -n 's/^WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p')
  expect_eq "_NET_WM_NAME of '$2'" "$2" "$net"
  expect_eq "WM_NAME of '$2'" "$2" "$old"
}

splash=$(wait_window '^About this game')
expect_caption "$splash" "About this game..."
xdotool windowfocus --sync "$splash" 2>/dev/null || true
key Return
poll_until 5 "" window_named '^About this game' >/dev/null

main=$(wait_window '^Zuzazizo')
expect_caption "$main" "Zuzazizo (Corvane, Pocketeer) Simulator"
xdotool windowfocus --sync "$main" 2>/dev/null || true

key F1
about=$(wait_window '^About the author')
expect_caption "$about" "About the author..."
key Escape

xdotool windowfocus --sync "$main" 2>/dev/null || true
geo=$(xdotool getwindowgeometry "$main")
wx=$(sed -n 's/.*Position: \(-\?[0-9]*\),.*/\1/p' <<<"$geo")
wy=$(sed -n 's/.*Position: -\?[0-9]*,\(-\?[0-9]*\).*/\1/p' <<<"$geo")
keys=$(open_key_settings "$wx" "$wy")
expect_caption "$keys" "Key settings"
