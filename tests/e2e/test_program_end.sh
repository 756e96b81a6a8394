#!/usr/bin/env bash
# A close request to the main window (what a window manager's close command or a task bar sends)
# ends the program within a second, whatever else is open: the about box, the manual, the key
# settings dialog, a game, the game menu.
source "$(dirname "$0")/lib.sh"
e2e_xserver


open_about() { key F1; wait_window '^About the author' >/dev/null; }
open_manual() { key F4; wait_window '^Manual' >/dev/null; }
open_keys() { open_key_settings "$E2E_WX" "$E2E_WY" >/dev/null; }
run_game() { key 1; sleep 0.5; }
open_game_menu() {
  key F12
  sleep 0.5
  xdotool mousemove 10 10 click 1
  sleep 0.3
}
about_and_manual() {
  open_about
  xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
  open_manual
}

# Sends the close request and waits up to a second for the process to end.
close_ends_program() {  # STATE
  python3 "$E2E_DIR/close_request.py" "$E2E_WIN"
  for _ in $(seq 10); do running || break; sleep 0.1; done
  running && fail "$1: the program still runs a second after the main window's close request"
  wait "$E2E_PID" 2>/dev/null || true
  pass "$1: the close request ended the program"
}

for state in open_about open_manual open_keys run_game open_game_menu about_and_manual; do
  e2e_settings FullscreenMode=0 SplashScreen=0 SoundMode=2
  e2e_launch
  key 3
  "$state"
  running || fail "$state: the program ended before the close request"
  close_ends_program "$state"
done
