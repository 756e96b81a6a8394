#!/usr/bin/env bash
# A game played to its end writes HiScore1; the program killed at once afterwards still shows
# that score on the ready screen when started again.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=0

# Silent start (LEFT while GAME A is held), then the batter waits under lane 1, where the first
# ball always comes: that strike beats the stored 0, and the balls of the other lanes end the game.
key 3
key_down 1
key Left
key_up 1
# The game starts 100 ms after the release; LEFT before that does not move the batter, so press
# it until he stands at the left end.
deadline=$((SECONDS + 5))
until [ "$(lit im_hero_1_1 im_hero_2_1)" = "1 0" ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the batter never reached the left end"
  key Left
done
for _ in $(seq 240); do
  [ "$(setting HiScore1)" != "0" ] && break
  running || fail "the program ended during the game"
  sleep 0.25
done
written=$(setting HiScore1)
kill -9 "$E2E_PID"
E2E_PID=""
[ "$written" != "0" ] || fail "no high score was written within 60 s"
pass "game over wrote HiScore1=$written"

e2e_launch
key 3
key_down 1
printf -v expected '%4s' "$written"
expect_eq "high score after a kill and a restart" "${expected// /_}" "$(panel)"
key_up 1
