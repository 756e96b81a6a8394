#!/usr/bin/env bash
# With a sound output open, SIGTERM still ends the program, as a plain `kill` or a desktop
# logout expects.
export SDL_AUDIODRIVER=disk
source "$(dirname "$0")/lib.sh"
export SDL_DISKAUDIOFILE=$E2E_HOME/audio.raw

e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=0
# The disk driver writes its file from the moment the device is open.
deadline=$((SECONDS + 5))
until [ -s "$SDL_DISKAUDIOFILE" ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the sound output was never opened"
  sleep 0.1
done

kill -TERM "$E2E_PID"
wait_ended 5 "SIGTERM"
pass "SIGTERM ended the program while sound was open"
