#!/usr/bin/env bash
# Cross-compiles the core and its tests for 64-bit Windows with mingw-w64 and runs the tests
# under wine through ctest, whose results land in BUILD/ctest.xml. The front end is not built:
# Debian has no Qt or SDL for Windows.
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
# The toolchain file names wine as the emulator, so ctest starts each test through it. The
# prefix is made first, alone, and one wine server is kept for the whole run: tests started
# in parallel into a fresh prefix, or while an idle server is shutting down, lose their
# connection to it ("recvmsg: Connection reset by peer") and fail without having run.
wine_dir=/usr/lib/wine
[ -x "$wine_dir/wine64" ] || wine_dir=$(dirname "$(command -v wine64 || command -v wine)")
server=$wine_dir/wineserver
[ -x "$server" ] || server=$(command -v wineserver)
"$server" -k 2>/dev/null || true
"$server" -p
trap '"$server" -k 2>/dev/null || true' EXIT
WINEDLLOVERRIDES="mscoree,mshtml=" "$wine_dir/wine64" wineboot --init >/dev/null 2>&1
junit=$(cd "$build" && pwd)/ctest.xml
rm -f "$junit"
ctest --test-dir "$build" -j "$(nproc)" --output-on-failure --output-junit "$junit"
