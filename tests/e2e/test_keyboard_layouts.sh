#!/usr/bin/env bash
# Keys by their place on US, French, German and Russian keyboards: physical keys pressed by key
# code start GAME A from the digit row whatever it types (& on a French keyboard), and the letters
# bound to LEFT and RIGHT are where each layout prints them (A and Z move on AZERTY and QWERTZ,
# and on a Russian keyboard the keys of the US A and Z). The French layout is the one the program
# starts with; German and Russian are switched to while it runs, after it has read a key under
# the US layout.
source "$(dirname "$0")/lib.sh"
e2e_xserver

# X11 key codes of the physical keys, by what a US keyboard prints on them.
kc_1=10 kc_3=12 kc_q=24 kc_w=25 kc_y=29 kc_a=38 kc_z=52

# layout, layout at start, key of the letter A, key of the letter Z, a key that types no bound
# letter there
layouts=(
  "us us $kc_a $kc_z -"
  "fr fr $kc_q $kc_w $kc_a"
  "de us $kc_a $kc_y $kc_z"
  "ru us $kc_a $kc_z -"
)

hero() { lit im_hero_1_1 im_hero_2_1 im_hero_3_1; }

for entry in "${layouts[@]}"; do
  read -r layout first_layout key_a key_z key_other <<<"$entry"
  setxkbmap -layout "$first_layout"
  # LEFT on the letter A (choice 11), RIGHT on Z (choice 36).
  e2e_settings FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=470 Key5=11 Key6=36
  e2e_launch
  expect_eq "$layout: all segments at power-on" "8888" "$(poll_until 5 8888 panel)"
  key $kc_3  # TIME, under the layout at start
  setxkbmap -layout "$layout"
  sleep 0.3

  key_down $kc_1
  expect_eq "$layout: the digit row's first key shows GAME A's ready screen" "_470" "$(panel)"
  key_up $kc_1
  expect_eq "$layout: the game started" "___0" "$(poll_until 6 ___0 panel)"
  if [ "$key_other" != "-" ]; then
    key "$key_other"
    expect_eq "$layout: the US place of a letter is not that letter" "0 1 0" "$(hero)"
  fi
  key "$key_a"
  expect_eq "$layout: the key that types A moves left" "1 0 0" "$(hero)"
  key "$key_z"
  expect_eq "$layout: the key that types Z moves right" "0 1 0" "$(hero)"

  { kill -9 "$E2E_PID"; wait "$E2E_PID"; } 2>/dev/null || true
  E2E_PID=""
done
