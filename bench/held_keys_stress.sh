#!/usr/bin/env bash
# LEFT held 2 s with auto-repeat on and both cores busy, 20 times in one game session: the batter
# must move once every time. The test suite makes 3 such trials; this makes 20.
#   bench/held_keys_stress.sh [BIN_DIR] [TRIALS]
HELD_KEY_TRIALS=${2:-20} exec bash "$(dirname "$0")/../tests/e2e/test_held_keys.sh" "${1:-build/bin}"
