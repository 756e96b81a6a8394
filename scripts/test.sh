#!/usr/bin/env bash
# Checks the formatting, builds everything and runs the whole test suite: unit, front-end and
# end-to-end tests, the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the front-end tests and the program's start-up under ThreadSanitizer, and a bounded fuzzing run. The build also checks the source rules (scripts/source_rules.sh):
# no include against the layers, no QTRY_ in a GoogleTest file.
#
# Every test run leaves its results in build/results (ctest's JUnit, GoogleTest's JSON); the
# counts come from there, and a run that left none fails the suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
results=build/results
failures=0

echo "== Format check"
bash scripts/format_check.sh

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUZAZIZO_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
rm -rf "$results"
mkdir -p "$results"
ctest --test-dir build --output-on-failure -j "$jobs" --output-junit "$PWD/$results/ctest.xml" ||
  failures=1

echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DZUZAZIZO_CORE_ONLY=ON -DZUZAZIZO_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build-asan -j "$jobs" --target core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 build-asan/tests/core_tests \
  --gtest_brief=1 --gtest_output="json:$results/asan_core_tests.json" || failures=1

echo "== Front end and start-up under ThreadSanitizer"
bash scripts/tsan_check.sh build-tsan "$results" || failures=1

if [ -f tests/fuzz/run_fuzz.sh ]; then
  echo "== Fuzzing the Config.ini reader and the layout"
  bash tests/fuzz/run_fuzz.sh "${FUZZ_SECONDS:-60}"
fi

counts=$(python3 scripts/lib/test_counts.py "$results") || { echo "suite: no test count" >&2; exit 1; }
read -r passed failed <<<"$counts"
echo "suite: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$failures" -eq 0 ]
