#!/usr/bin/env bash
# Builds the skin fuzzer with clang and runs it for a bounded time.
#   tests/fuzz/run_fuzz.sh [seconds]   (default 60)
# The build lives in its own directory (ZUZAZIZO_FUZZ_BUILD, default build-fuzz) because the whole
# core is compiled with sanitizers there. The seeds in tests/fuzz/corpus are copied to a scratch
# corpus so that a run never changes the repository. A finding leaves its input as
# crash-*/leak-*/timeout-* in the artifact directory and makes the script fail.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ZUZAZIZO_FUZZ_BUILD:-$root/build-fuzz}"
artifacts="${ZUZAZIZO_FUZZ_ARTIFACTS:-$build/fuzz-artifacts}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZUZAZIZO_FUZZ=ON -DZUZAZIZO_CORE_ONLY=ON -DZUZAZIZO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null
ninja -C "$build" -j2 skin_fuzz

corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/fuzz/corpus/* "$corpus"/
mkdir -p "$artifacts"

"$build"/tests/skin_fuzz "$corpus" \
    -dict="$root/tests/fuzz/skin.dict" \
    -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/" -print_final_stats=1
