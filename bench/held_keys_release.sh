#!/usr/bin/env bash
# What the held-key rule costs a real release, and whether a held key stays held, in a window under
# Xvfb (bench/held_keys_probe.cpp): taps of LEFT, then LEFT held 2 s with auto-repeat on, in the
# program's own mode (no release/press pairs) and in the fallback that holds releases back.
#   bench/held_keys_release.sh [BIN_DIR] [TAPS]     LOAD=1 keeps both cores busy meanwhile
source "$(dirname "$0")/xvfb.sh" "${1:-build/bin}"
taps=${2:-40}
kc_left=113
load_pids=()
trap 'for p in "${load_pids[@]}"; do kill "$p" 2>/dev/null; done; xserver_cleanup' EXIT
if [ "${LOAD:-0}" = 1 ]; then
  load_end=$((SECONDS + 600))  # ends by itself should the script be killed
  for _ in 1 2; do ( while [ "$SECONDS" -lt "$load_end" ]; do :; done ) & load_pids+=($!); done
fi
xset r on
xset r rate 660 25

for mode in platform pairs; do
  out=$BENCH_HOME/$mode.txt
  "$BENCH_BIN/held_keys_probe" "$mode" >"$out" 2>/dev/null &
  probe=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --pid "$probe" 2>/dev/null | tail -1) || true
    [ -n "$win" ] && break
    sleep 0.1
  done
  xdotool windowfocus --sync "$win"
  for _ in $(seq "$taps"); do
    xdotool keydown $kc_left; sleep 0.08; xdotool keyup $kc_left; sleep 0.12
  done
  sleep 0.2
  xdotool keydown $kc_left; sleep 2; xdotool keyup $kc_left; sleep 0.2
  kill "$probe"; wait "$probe" 2>/dev/null || true
  ups=$(grep -c '^up' "$out")
  repeats=$(grep -c '^repeat' "$out")
  added=$(grep '^up' "$out" | head -n "$taps" | sed 's/.*added_us=\([0-9-]*\).*/\1/' | median)
  server=$(grep '^up' "$out" | head -n "$taps" | sed 's/.*server_us=\([0-9-]*\).*/\1/' | median)
  printf '%-8s %s: release delayed by the rule, median %s us; X event to handler, median %s us\n' \
    "$mode" "$(head -1 "$out")" "$added" "$server"
  printf '%-8s held 2 s: %d repeats, %d ups in all (expected %d: one per tap and one for the hold)\n' \
    "$mode" "$repeats" "$ups" $((taps + 1))
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
