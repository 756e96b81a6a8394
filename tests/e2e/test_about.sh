#!/usr/bin/env bash
# The about box from its F1 shortcut, closed by Esc, while the handheld's clock keeps running
# and the main window keeps answering its keys.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2

# The time of day as the panel shows it: hours without a leading zero, "_" for a dark place.
clock_now() { date +%l%M | tr ' ' '_'; }

key 3  # from the power-on display to the time of day
before=$(clock_now)
reading=$(poll_until 5 "$before" panel)
[ "$reading" = "$before" ] || [ "$reading" = "$(clock_now)" ] || fail "no time of day: $reading"
pass "time of day shown: $reading"

key F1
wait_window '^About the author' "F1 opened no about box" >/dev/null
pass "F1 opened the about box"
sleep 2  # the box stays open across two clock refreshes

key Escape
[ -z "$(poll_until 5 "" window_named '^About the author')" ] || fail "Esc did not close the about box"
pass "Esc closed the about box"
running || fail "closing the about box ended the program"

now=$(clock_now)
reading=$(poll_until 5 "$now" panel)
expect_eq "the clock kept running" "$now" "$reading"
# No window manager hands the focus back, so give it to the main window as one would.
xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
key 3
key 3
expect_eq "the main window still answers: TIME reaches the alarm" "1200" "$(poll_until 5 1200 panel)"
