#!/usr/bin/env bash
# The keypad's 4 and 6 are the left and right arrows while Num Lock is off, and digits, bound to
# nothing, while it is on.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=470
kc_1=10 kc_3=12 kc_kp_4=83 kc_kp_6=85

hero() { lit im_hero_1_1 im_hero_2_1 im_hero_3_1; }

expect_eq "all segments at power-on" "8888" "$(poll_until 5 8888 panel)"
key $kc_3
key_down $kc_1
key_up $kc_1
expect_eq "the game started" "___0" "$(poll_until 6 ___0 panel)"
key $kc_kp_4
expect_eq "keypad 4 with Num Lock off moves left" "1 0 0" "$(hero)"
key $kc_kp_6
expect_eq "keypad 6 with Num Lock off moves right" "0 1 0" "$(hero)"
xdotool key Num_Lock
key $kc_kp_4
expect_eq "keypad 4 with Num Lock on is no arrow" "0 1 0" "$(hero)"
