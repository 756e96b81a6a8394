#!/usr/bin/env bash
# Cross-compiles the core and its tests for 64-bit Windows with mingw-w64 and runs the tests
# under wine. The front end is not built: Debian has no Qt or SDL for Windows.
# Installs the cross compiler and wine when they are missing (about a minute on Debian 12).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
source scripts/lib/apt.sh
ensure_packages g++-mingw-w64-x86-64-posix wine64 googletest

# A wine prefix of the build's own, so that no earlier state of the user's is used or changed.
mkdir -p "$build/wineprefix"
export WINEPREFIX=$(cd "$build/wineprefix" && pwd) WINEDEBUG=-all
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DZUZAZIZO_CORE_ONLY=ON -DZUZAZIZO_WERROR=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target core_tests
wine=$(ls /usr/lib/wine/wine64 2>/dev/null || command -v wine64 || command -v wine)
"$wine" "$build/tests/core_tests.exe" --gtest_brief=1 2>&1 | tee "$build/gtest.log"
grep -q "PASSED" "$build/gtest.log" && ! grep -q "FAILED" "$build/gtest.log"
