#!/usr/bin/env bash
# Sound through a real sound server: a private PulseAudio with a null sink, and the program left
# to SDL's own choice of driver. The sink's monitor is recorded; after GAME A's release, the first
# sample after a silence, the Start sample must be heard in it, and nothing before.
source "$(dirname "$0")/lib.sh"
unset SDL_AUDIODRIVER PULSE_SERVER
source "$E2E_DIR/pulse_server.sh"
if ! pulse_available; then
  echo "skipped: no PulseAudio daemon here (see scripts/deps.sh)"
  exit 77
fi
pulse_start

recording=$E2E_HOME/sink.raw
bytes_per_frame=2
recorded_frames() { echo $(( $(stat -c %s "$recording") / bytes_per_frame )); }
parecord --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 \
  --device="$(pulse_sink).monitor" >"$recording" &
recorder=$!
trap "kill $recorder 2>/dev/null || true; $(trap -p EXIT | sed "s/^trap -- '\(.*\)' EXIT$/\1/")" EXIT

e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=0
key 3
# The first sample after a silence is the hard one: the output is closed then, and reopened for it.
[ -z "$(poll_until 10 "" pactl list short sink-inputs)" ] ||
  fail "the program kept its output open through the silence"
pass "the output was closed in the silence"
# Held well inside X's auto-repeat delay: a held key's repeats are not what this test is about.
key_down 1
released_at=$(recorded_frames)
key_up 1
# The Start sample lasts 1.4 s; the first step of play comes 3.1 s after the release.
sleep 2.5
kill "$recorder"
wait "$recorder" 2>/dev/null || true
head -c $((released_at * bytes_per_frame)) "$recording" >"$E2E_HOME/before.raw"
before=$(python3 "$E2E_DIR/sample_probe.py" "$E2E_HOME/before.raw" "$E2E_BIN/Sound")
expect_eq "nothing sounds before GAME A is released" "silent" "$before"

read -r name at score < <(python3 "$E2E_DIR/sample_probe.py" "$recording" "$E2E_BIN/Sound" \
  --from-frame "$released_at")
expect_eq "the sample heard after the release" "Start.wav" "$name"
# Kept beside the screenshots, to be listened to when the match fails.
cp "$recording" "$E2E_SHOTS/$(basename "$0" .sh)-sink.raw" 2>/dev/null || true
awk -v s="$score" 'BEGIN { exit !(s >= 0.9) }' || fail "Start.wav matched only $score"
pass "Start.wav heard after the release (match $score)"

# Leaving with the sound thread and the server's stream live must not hang on either.
xdotool key Escape
wait_ended 5 "Escape"
pass "Escape ended the program with its sound output open"
