#!/usr/bin/env bash
# Held keys with the X server's auto-repeat on, while both cores are kept busy: a held GAME A
# does not start the game until it is let go, and LEFT held for 2 s moves the batter one place,
# trial after trial (HELD_KEY_TRIALS, 3 by default to keep the suite short;
# bench/held_keys_stress.sh asks for 20).
source "$(dirname "$0")/lib.sh"
trials=${HELD_KEY_TRIALS:-3}
kc_1=10 kc_left=113 kc_right=114

load_pids=()
stop_load() { for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap 'stop_load; e2e_cleanup' EXIT

e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2 HiScore1=470
xset r on
xset r rate 660 25
# Each busy loop ends by itself too, should this script be killed before its trap runs.
load_end=$((SECONDS + 120 + 40 * trials))
for _ in 1 2; do
  ( while [ "$SECONDS" -lt "$load_end" ]; do :; done ) &
  load_pids+=($!)
done

hero() { lit im_hero_1_1 im_hero_2_1 im_hero_3_1; }
now_ms() { date +%s%3N; }

expect_eq "all segments at power-on" "8888" "$(poll_until 10 8888 panel)"
key 3
# Held for 4 s: a release seen in the repeats would start the game then, and its score would
# show sooner after the real release than the 3.1 s start delay.
xdotool keydown $kc_1
sleep 4
expect_eq "GAME A held: still the ready screen" "_470" "$(panel)"
xdotool keyup $kc_1
released=$(now_ms)
expect_eq "the game started after the release" "___0" "$(poll_until 10 ___0 panel)"
waited=$(( $(now_ms) - released ))
[ "$waited" -ge 2500 ] || fail "the score showed $waited ms after the release: the game began while GAME A was held"
pass "the start delay ran from the release ($waited ms)"

# A trial counts when the batter could move at both ends of it: he stands at the right end,
# LEFT goes down and he steps to the middle. Held 2 s, he must still be there after the release.
# A miss's pause or the end of the game makes a trial void; GAME A then starts a new game.
done_trials=0
attempts=0
while [ "$done_trials" -lt "$trials" ]; do
  attempts=$((attempts + 1))
  [ "$attempts" -le $((trials * 4 + 10)) ] || fail "only $done_trials trials of $trials could be made"
  key $kc_right
  if [ "$(hero)" != "0 0 1" ]; then
    key $kc_1
    sleep 1
    continue
  fi
  xdotool keydown $kc_left
  start=$(now_ms)
  sleep 0.3
  first=$(hero)
  sleep "$(awk -v ms=$(( 2000 - ($(now_ms) - start) )) 'BEGIN { print (ms > 0 ? ms / 1000 : 0) }')"
  xdotool keyup $kc_left
  sleep 0.2
  last=$(hero)
  [ "$first" = "0 1 0" ] || continue
  [ "$last" = "1 0 0" ] && fail "trial $((done_trials + 1)): LEFT held 2 s moved the batter twice"
  [ "$last" = "0 1 0" ] || continue
  done_trials=$((done_trials + 1))
  pass "trial $done_trials: LEFT held 2 s moved the batter once"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
