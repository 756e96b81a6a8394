#!/usr/bin/env bash
# Every benchmark, from a Release build in build-release/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release
bin=build-release/bin
build-release/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
build-release/bench/paint_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
bash bench/startup_compare.sh "$bin" 15
bash bench/idle_wakeups.sh "$bin" 60
bash bench/idle_wakeups.sh "$bin" 60 gamepad_probe
bash bench/gamepad_latency.sh "$bin" 50
bash bench/tick_period.sh "$bin" 1000
bash bench/sound_latency.sh "$bin" 30
bash bench/held_keys_release.sh "$bin" 40
LOAD=1 bash bench/held_keys_release.sh "$bin" 40
bash bench/held_keys_stress.sh "$bin" 20
bash bench/web_page.sh 1000
