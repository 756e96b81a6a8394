#!/usr/bin/env bash
# GAME A from the keyboard: the ready screen with the stored high score, the start, the batter
# moving, a strike, and Escape ending the program without touching the settings.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=470

expect_eq "all segments at power-on" "8888" "$(poll_until 5 8888 panel)"
key 3  # from the power-on display to the time of day
key_down 1
expect_eq "ready screen shows the high score" "_470" "$(panel)"
expect_eq "batter in the centre, not at the sides" "1 0 0" "$(lit im_hero_2_1 im_hero_1_1 im_hero_3_1)"
key_up 1
expect_eq "score after the start delay" "___0" "$(poll_until 6 ___0 panel)"
# The first ball always comes down lane 1: waiting under it gives a strike rather than a miss,
# whose pause would hold the batter still, however slowly the screenshots are taken.
key Left
expect_eq "batter moved to the left end" "1 0 0" "$(lit im_hero_1_1 im_hero_2_1 im_hero_3_1)"
# It reaches the batter on the 17th tick of 310 ms, nearly 5 s after the start delay.
expect_eq "the first ball struck" "__10" "$(poll_until 10 __10 panel)"
# The batter's swing (the bat segment down) ends 150 ms after the strike; then he may move.
expect_eq "the swing ended" "1 0" "$(poll_until 5 "1 0" lit im_hero_1_2 im_hero_1_3)"
key Right
expect_eq "batter moved right" "0 1 0" "$(lit im_hero_1_1 im_hero_2_1 im_hero_3_1)"

before=$(cat "$E2E_CONF")
key Escape
for _ in $(seq 30); do running || break; sleep 0.1; done
running && fail "Escape did not end the program"
pass "Escape ended the program"
expect_eq "settings untouched by Escape" "$before" "$(cat "$E2E_CONF")"
