#!/usr/bin/env bash
# Checks the formatting, builds everything and runs the whole test suite: unit, front-end and
# end-to-end tests, the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

echo "== Format check"
bash scripts/format_check.sh

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUZAZIZO_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" | tee build/ctest.log
ctest_passed=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\)/\2 \1/p' build/ctest.log)

echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DZUZAZIZO_CORE_ONLY=ON -DZUZAZIZO_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build-asan -j "$jobs" --target core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 build-asan/tests/core_tests --gtest_brief=1 | tee build-asan/gtest.log
asan_passed=$(sed -n 's/.*PASSED.* \([0-9]*\) tests\./\1/p' build-asan/gtest.log)

if [ -f tests/fuzz/run_fuzz.sh ]; then
  echo "== Fuzzing the Config.ini reader and the layout"
  bash tests/fuzz/run_fuzz.sh "${FUZZ_SECONDS:-60}"
fi

read -r total failed <<<"$ctest_passed"
echo "suite: $((total - failed + asan_passed)) passed, $failed failed"
