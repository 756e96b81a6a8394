// The sound start-up as the splash screen's play action runs it, with its failure path.
//
// A sound folder without a loadable Gameover sample is a broken installation: the player is told
// so, and the settings are put back so that the next run shows the splash screen with no driver
// chosen. Ending the program is left to the caller (the splash screen asks its host), because
// only the caller knows whether the event loop is already running.
#pragma once

#include <optional>

#include "core/settings/settings_store.h"
#include "frontend/common/error_report_qt.h"
#include "frontend/sound/mixer_sound_sdl.h"
#include "frontend/windows/splash_host.h"

namespace zuzazizo {

inline constexpr const char* sound_folder_error =
    "Sound folder unproperly installed. Please reinstall the game.";

// The output type behind a driver-list choice; none for "(no sound)", which starts nothing.
std::optional<MixerOutput> mixer_output_for(SoundChoice choice);

// Starts `sound` for a real choice. On failure: the error box, SoundMode = -1 and
// SplashScreen = true, then false. "(no sound)" starts nothing and succeeds.
bool start_sound_or_report(MixerSound& sound, SoundChoice choice, SettingsStore& settings,
                           const ErrorReport& errors);

}  // namespace zuzazizo
