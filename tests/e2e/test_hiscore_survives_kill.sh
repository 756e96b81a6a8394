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
sleep 0.5
key Left
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
