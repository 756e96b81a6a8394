#!/usr/bin/env bash
# The menu's shortcuts act only when pressed alone: Shift+Esc does not quit, Ctrl+F1 opens no
# about box, and Alt+F4, where no window manager takes it, closes the main window (ending the
# program) instead of opening the manual.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2

visible_windows() { xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | wc -l; }

expect_eq "all segments at power-on" "8888" "$(poll_until 5 8888 panel)"
for chord in shift+Escape ctrl+Escape ctrl+F1 shift+F4 alt+F12; do
  xdotool key "$chord"
  sleep 0.5
  running || fail "$chord ended the program"
  expect_eq "$chord: still only the main window" "1" "$(visible_windows)"
done
xdotool key alt+F4
for _ in $(seq 30); do running || break; sleep 0.1; done
running && fail "Alt+F4 did not close the main window (windows shown: $(visible_windows))"
pass "Alt+F4 closed the main window and the program ended"
