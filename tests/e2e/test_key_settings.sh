#!/usr/bin/env bash
# The key settings dialog opened from the right-click menu: LEFT rebound to the up arrow and
# accepted with Enter; the up arrow then moves the batter left, and the main window answers again.
source "$(dirname "$0")/lib.sh"
# A high score, so that the ready screen reads otherwise than the game's first score.
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=470

# The context menu is a window of its own beside the main window.
windows_shown() { xdotool search --all --onlyvisible --pid "$E2E_PID" 2>/dev/null | wc -l; }

key 3  # from the power-on display to the time of day
# The case beside the screen is the window's background, where the menu opens.
xdotool mousemove $((E2E_WX + 60)) $((E2E_WY + 200)) click 3
for _ in $(seq 50); do [ "$(windows_shown)" -gt 1 ] && break; sleep 0.1; done
[ "$(windows_shown)" -gt 1 ] || fail "the right button opened no menu"
# The arrow keys skip separators: "Key settings" is the sixth command (after "About...", the
# two documents, the manual and the configuration file).
for _ in 1 2 3 4 5 6; do xdotool key Down; sleep 0.05; done
xdotool key Return
dialog=$(wait_window '^Key settings' "the menu opened no key settings dialog")
pass "the key settings dialog is open"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true

# The focus starts on GAME A's list; LEFT's is the fifth. Its <LEFT ARROW> is two items below
# <UP ARROW>.
for _ in 1 2 3 4; do xdotool key Tab; sleep 0.05; done
xdotool key Up; sleep 0.05
xdotool key Up; sleep 0.05
key Return
[ -z "$(poll_until 5 "" window_named '^Key settings')" ] || fail "Enter did not accept the dialog"
pass "Enter accepted the dialog"
expect_eq "LEFT stored as the up arrow" "37" "$(setting Key5)"

# A game, to watch the batter.
xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
key 1
expect_eq "score after the start delay" "___0" "$(poll_until 6 ___0 panel)"
key Up
expect_eq "the up arrow moved the batter left" "1 0 0" "$(lit im_hero_1_1 im_hero_2_1 im_hero_3_1)"
