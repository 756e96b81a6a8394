#!/usr/bin/env bash
# CPU time and wake-ups per second of the real program while its clock runs for 60 s, with a real
# sound output chosen (the first entry of the driver list) on a running sound server. Wake-ups are the context switches of
# all the process's threads, counted by perf when it can. PROGRAM gamepad_probe runs it with a virtual game controller plugged
# in.
#   bench/idle_wakeups.sh [BIN_DIR] [SECONDS] [PROGRAM]
source "$(dirname "$0")/xvfb.sh" "${1:-build/bin}"
# The sound output is a real sound server's client, as on a desktop: a private PulseAudio with a
# null sink, found the usual way and chosen by SDL itself.
unset SDL_AUDIODRIVER PULSE_SERVER
source "$(dirname "$0")/../tests/e2e/pulse_server.sh"
pulse_start
seconds=${2:-60}
program=${3:-zuzazizo}
bench_settings FullscreenMode=0 SplashScreen=0 SoundMode=0

"$BENCH_BIN/$program" >/dev/null 2>&1 &
pid=$!
sleep 2
xdotool key 3   # from the power-on display to the running time of day
sleep 3         # let the sound device's idle close happen

cpu_ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
# Per thread, over the threads alive at both ends: the switches each thread made by going to
# sleep (its wake-ups) apart from those forced on it by other programs wanting its core, which a
# busy machine adds.
switches() {
  for t in /proc/$pid/task/*; do
    echo "${t##*/} $(awk '/^voluntary_ctxt_switches/ {v = $2} /^nonvoluntary_ctxt_switches/ {n = $2} END {print v, n}' "$t/status")"
  done
}
c0=$(cpu_ticks)
before=$(switches)
if perf stat -e context-switches true >/dev/null 2>&1; then
  # The kernel's own count, which keeps the switches of threads that end during the run (Qt's
  # pooled threads, which the program retires soon after the start).
  total=$(perf stat -x, -e context-switches -p $pid -- sleep "$seconds" 2>&1 | awk -F, '/context-switches/ {print $1}')
else
  sleep "$seconds"
  total=""
fi
read -r voluntary forced < <(join <(sort <<<"$before") <(switches | sort) | awk '{v += $4 - $2; n += $5 - $3} END {print v, n}')
[ -n "$total" ] || total=$((voluntary + forced))
c1=$(cpu_ticks)
kill $pid
hz=$(getconf CLK_TCK)
per_s() { awk -v n="$1" -v t="$seconds" 'BEGIN{printf "%.2f", n/t}'; }
echo "over ${seconds} s of the running clock: $(per_s "$total") wake-ups/s ($(per_s "$voluntary") going to sleep, $(per_s "$forced") preempted, in threads alive throughout), CPU $(awk -v a="$c0" -v b="$c1" -v h="$hz" 'BEGIN{printf "%.0f", (b-a)*1000/h}') ms"
