#!/usr/bin/env bash
# The play tick's timing in the real program under X: error of 1000 tick periods.
#   bench/tick_period.sh [BIN_DIR] [TICKS]
source "$(dirname "$0")/xvfb.sh" "${1:-build/bin}"
"$BENCH_BIN/tick_period" "${2:-1000}"
