#!/usr/bin/env bash
# A mixer library too old for the program (here one without any of the mixer's functions, found
# first through LD_LIBRARY_PATH): the error box comes up instead of the game, closing it ends
# the program, and the next run will ask for a sound output again.
source "$(dirname "$0")/lib.sh"
if ! command -v cc >/dev/null; then
  echo "skipped: no C compiler to build the stand-in library"
  exit 77
fi
mkdir -p "$E2E_HOME/lib"
echo 'int not_a_mixer;' | cc -shared -fPIC -x c -o "$E2E_HOME/lib/libSDL2_mixer-2.0.so.0" -
export LD_LIBRARY_PATH=$E2E_HOME/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}

# Without the splash screen the sound output starts with the program.
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=0
caption=$(xdotool getwindowname "$E2E_WIN")
expect_eq "the window that came up" "Error" "${caption%% — *}"
shot
xdotool key Return
wait_ended 5 "the error box"
pass "closing the error box ended the program"
expect_eq "SoundMode after the failure" "-1" "$(setting SoundMode)"
expect_eq "SplashScreen after the failure" "1" "$(setting SplashScreen)"
