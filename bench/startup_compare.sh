#!/usr/bin/env bash
# Time from process start to the first painted frame, and peak memory at that moment, of the
# program against a minimal Qt program that shows one window with one picture: the quick start
# (no splash, windowed, no sound: the main window's first frame) and the start with the splash
# screen shown first (its first frame). Runs alternate, so all see the same machine; prints
# medians and ratios. On a busy machine, `chrt -f 10 bash bench/startup_compare.sh` (as root)
# runs it all, the X server included, ahead of the other work.
#   bench/startup_compare.sh [BIN_DIR] [RUNS]
source "$(dirname "$0")/xvfb.sh" "${1:-build/bin}"
runs=${2:-15}
bench_settings FullscreenMode=0 SplashScreen=0 SoundMode=2
# Only the one value changes between the two start-ups: what the program writes back on its first
# run (its key bindings) stays, as it would for a user.
splash_screen() { sed -i "s/^SplashScreen=.*/SplashScreen=$1/" "$SETTINGS_FILE"; }

measure() {  # EXE [ARGS] -> "startup_ms peak_kb"
  local start line
  start=$(date +%s%N)
  line=$("$@" 2>/dev/null | grep first_frame_ns)
  awk -v s="$start" '{printf "%.2f %d\n", ($2 - s) / 1e6, $4}' <<<"$line"
}

: > "$BENCH_HOME/program"; : > "$BENCH_HOME/splash"; : > "$BENCH_HOME/floor"
for _ in $(seq "$runs"); do
  splash_screen 0
  measure "$BENCH_BIN/startup_probe" >> "$BENCH_HOME/program"
  measure "$BENCH_BIN/startup_floor" >> "$BENCH_HOME/floor"
  splash_screen 1
  measure "$BENCH_BIN/startup_probe" --splash >> "$BENCH_HOME/splash"
done
report() {  # LABEL FILE
  local p_ms f_ms p_kb f_kb
  p_ms=$(cut -d' ' -f1 "$2" | median); f_ms=$(cut -d' ' -f1 "$BENCH_HOME/floor" | median)
  p_kb=$(cut -d' ' -f2 "$2" | median); f_kb=$(cut -d' ' -f2 "$BENCH_HOME/floor" | median)
  echo "$1 first frame (median of $runs): program $p_ms ms, floor $f_ms ms, ratio $(awk -v a="$p_ms" -v b="$f_ms" 'BEGIN{printf "%.2f", a/b}')"
  echo "$1 peak memory (median of $runs): program $p_kb kB, floor $f_kb kB, ratio $(awk -v a="$p_kb" -v b="$f_kb" 'BEGIN{printf "%.2f", a/b}')"
}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
report "quick start:" "$BENCH_HOME/program"
report "splash first:" "$BENCH_HOME/splash"
