#!/usr/bin/env bash
# GAME A from the keyboard: the ready screen with the stored high score, the start, the batter
# moving, and Escape ending the program without touching the settings.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=470

expect_eq "all segments at power-on" "8888" "$(panel)"
key 3  # from the power-on display to the time of day
key_down 1
expect_eq "ready screen shows the high score" "_470" "$(panel)"
expect_eq "batter in the centre, not at the sides" "1 0 0" "$(lit im_hero_2_1 im_hero_1_1 im_hero_3_1)"
key_up 1
sleep 3.4
expect_eq "score after the start delay" "___0" "$(panel)"
key Right
expect_eq "batter moved right" "1 0" "$(lit im_hero_3_1 im_hero_2_1)"
key Left
key Left
expect_eq "batter moved to the left end" "1 0 0" "$(lit im_hero_1_1 im_hero_2_1 im_hero_3_1)"

before=$(cat "$E2E_CONF")
key Escape
for _ in $(seq 30); do running || break; sleep 0.1; done
running && fail "Escape did not end the program"
pass "Escape ended the program"
expect_eq "settings untouched by Escape" "$before" "$(cat "$E2E_CONF")"
