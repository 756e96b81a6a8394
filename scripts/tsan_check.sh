#!/usr/bin/env bash
# The front end under ThreadSanitizer: its tests (ui_tests), and the program's start-up with the
# threads it runs there: the picture prefetch, the splash screen's prefetch with its font
# database, and the sound output's callback. Passes when no run reports anything. Qt's own false
# reports are suppressed by tests/tsan/qt.supp, which says why.
#   bash scripts/tsan_check.sh [BUILD_DIR] [RESULTS_DIR]   (defaults: build-tsan, BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-tsan}
results=$(realpath -m "${2:-$build}")
repo=$PWD
export TSAN_OPTIONS="suppressions=$repo/tests/tsan/qt.supp exitcode=66 ${TSAN_OPTIONS:-}"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUZAZIZO_WERROR=ON \
  -DZUZAZIZO_TSAN=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target ui_tests zuzazizo skin_data

echo "== Front-end tests under ThreadSanitizer"
mkdir -p "$results"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$build/tests/ui_tests" --gtest_brief=1 \
  --gtest_output="json:$results/tsan_ui_tests.json"

source scripts/lib/desktop.sh
trap desktop_cleanup EXIT
xserver_home
xserver_start
bin=$(realpath "$build/bin")

# Escape, in whichever of the program's windows is in front, ends it; waits until it has ended.
end_program() {
  local win deadline=$((SECONDS + 30))
  while kill -0 "$DESKTOP_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "FAIL: Escape did not end the program" >&2; return 1; }
    win=$(xdotool search --onlyvisible --pid "$DESKTOP_PID" 2>/dev/null | tail -1) || true
    [ -n "$win" ] && { xdotool windowfocus --sync "$win" 2>/dev/null || true; }
    xdotool key Escape 2>/dev/null || true
    sleep 0.5
  done
}

# Starts the program, lets START_ACTION run, ends it with Escape and fails on any report.
start_up() {  # WHAT START_ACTION KEY=VALUE...
  local what=$1 action=$2 win status=0
  shift 2
  xserver_settings "$@"
  desktop_launch "$bin/zuzazizo"
  win=$(desktop_window 60)
  "$action" "$win"
  end_program
  wait "$DESKTOP_PID" || status=$?
  DESKTOP_PID=""
  if grep -q "ThreadSanitizer" "$XSERVER_HOME/log" || [ "$status" -ne 0 ]; then
    cat "$XSERVER_HOME/log" >&2
    echo "FAIL: $what (exit status $status)" >&2
    return 1
  fi
  echo "ok: $what"
}

# The splash screen's pictures and fonts are read on other threads while it comes up; Escape on
# it ends the program.
splash_shown() { xdotool windowfocus --sync "$1" 2>/dev/null || true; }
# A quick start into the main window with the sound open: GAME A plays the Start sample through
# the mixer's callback thread before Escape.
sample_played() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  desktop_show_clock "$1" "$bin" >/dev/null
  xdotool keydown 1
  sleep 0.2
  xdotool keyup 1
  local deadline=$((SECONDS + 15))
  until [ "$(tr -d '\000' <"$SDL_DISKAUDIOFILE" 2>/dev/null | wc -c)" -gt 1000 ]; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "FAIL: no sample was heard" >&2; return 1; }
    sleep 0.2
  done
}

echo "== Program start-up under ThreadSanitizer"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$XSERVER_HOME/audio.raw
start_up "the splash screen at start-up" splash_shown FullscreenMode=0 SplashScreen=1 SoundMode=-1
start_up "a quick start with sound" sample_played FullscreenMode=0 SplashScreen=0 SoundMode=0
