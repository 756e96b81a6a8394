#!/usr/bin/env bash
# Time from process start to the first painted frame, and peak memory at that moment, of the
# program (quick start: no splash, windowed, no sound) against a minimal Qt program that shows one
# window with one picture. Runs alternate, so both see the same machine; prints medians and ratios.
#   bench/startup_compare.sh [BIN_DIR] [RUNS]
source "$(dirname "$0")/xvfb.sh" "${1:-build/bin}"
runs=${2:-15}
bench_settings FullscreenMode=0 SplashScreen=0 SoundMode=2

measure() {  # EXE -> "startup_ms peak_kb"
  local start line
  start=$(date +%s%N)
  line=$("$1" 2>/dev/null | grep first_frame_ns)
  awk -v s="$start" '{printf "%.2f %d\n", ($2 - s) / 1e6, $4}' <<<"$line"
}

: > "$BENCH_HOME/program"; : > "$BENCH_HOME/floor"
for _ in $(seq "$runs"); do
  measure "$BENCH_BIN/startup_probe" >> "$BENCH_HOME/program"
  measure "$BENCH_BIN/startup_floor" >> "$BENCH_HOME/floor"
done
p_ms=$(cut -d' ' -f1 "$BENCH_HOME/program" | median); f_ms=$(cut -d' ' -f1 "$BENCH_HOME/floor" | median)
p_kb=$(cut -d' ' -f2 "$BENCH_HOME/program" | median); f_kb=$(cut -d' ' -f2 "$BENCH_HOME/floor" | median)
echo "first frame (median of $runs): program $p_ms ms, floor $f_ms ms, ratio $(awk -v a="$p_ms" -v b="$f_ms" 'BEGIN{printf "%.2f", a/b}')"
echo "peak memory (median of $runs): program $p_kb kB, floor $f_kb kB, ratio $(awk -v a="$p_kb" -v b="$f_kb" 'BEGIN{printf "%.2f", a/b}')"
