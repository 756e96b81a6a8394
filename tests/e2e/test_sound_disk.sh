#!/usr/bin/env bash
# Sound through SDL's disk driver: the Start sample is heard after GAME A is released, and a
# silent start (LEFT during the ready screen) plays nothing.
export SDL_AUDIODRIVER=disk
source "$(dirname "$0")/lib.sh"
export SDL_DISKAUDIOFILE=$E2E_HOME/audio.raw

# Counts the bytes of the mixed output that are not silence.
loud_bytes() { [ -f "$SDL_DISKAUDIOFILE" ] && tr -d '\000' <"$SDL_DISKAUDIOFILE" | wc -c || echo 0; }

e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=0
# Silence cannot be waited for: these pauses are the windows in which nothing may sound.
sleep 0.5
expect_eq "nothing sounds at power-on" "0" "$(loud_bytes)"

key 3
key_down 1
key Left
key_up 1
sleep 1.5
expect_eq "a silent start plays nothing" "0" "$(loud_bytes)"

# A game cannot be left before it ends, so the audible start gets a fresh run.
kill -9 "$E2E_PID"
rm -f "$SDL_DISKAUDIOFILE"
e2e_launch
key 3
key_down 1
key_up 1
deadline=$((SECONDS + 5))
until heard=$(loud_bytes); [ "$heard" -gt 1000 ] || [ "$SECONDS" -ge "$deadline" ]; do sleep 0.1; done
[ "$heard" -gt 1000 ] || fail "the Start sample was not heard ($heard loud bytes)"
pass "the Start sample was heard ($heard loud bytes)"
