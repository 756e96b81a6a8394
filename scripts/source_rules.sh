#!/usr/bin/env bash
# Rules of the source tree that the compiler does not see. The build runs it (target
# source_rules) and refuses to go on when one is broken:
# - dependencies point one way: the core includes nothing of a front end, and nothing under src/
#   includes a tool or a test;
# - includes under src/ are rooted at src/, so that each shows its layer ("core/...",
#   "frontend/...") and none reaches elsewhere through an include path;
# - a GoogleTest file waits with wait_for (tests/frontend/support/wait_for.h), not with QTest's
#   QTRY_ macros, whose failures GoogleTest never hears of.
#   bash scripts/source_rules.sh [REPO]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
broken=0

refuse() {  # RULE GREP-OUTPUT
  [ -z "$2" ] && return 0
  echo "$1:" >&2
  echo "$2" >&2
  broken=1
}

includes() {  # PATTERN DIR...
  grep -rnE --include='*.h' --include='*.cpp' "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"$1" \
    "${@:2}" || true
}

refuse "the core includes a front end" "$(includes '(frontend|web)/' src/core)"
refuse "src/ includes a tool or a test" "$(includes '(\.\./)*(tools|tests)/' src)"
unrooted=$(includes '' src | while IFS= read -r hit; do
  name=${hit#*\"}
  name=${name%%\"*}
  [ -f "src/$name" ] || echo "$hit"
done)
refuse "an include under src/ that is no file under src/" "$unrooted"
gtest_files=$(grep -rlE --include='*.cpp' --include='*.h' 'gtest/gtest\.h' tests tools || true)
if [ -n "$gtest_files" ]; then
  # shellcheck disable=SC2086
  refuse "QTRY_ in a GoogleTest file (use wait_for)" "$(grep -nE 'QTRY_[A-Z_]+\(' $gtest_files || true)"
fi
exit "$broken"
