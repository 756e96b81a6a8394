// What a broken sound folder means for the player and the settings, on every front end.
//
// A sound folder without a loadable Gameover sample is a broken installation: the player is told
// so, and the settings are put back so that the next run offers the splash screen with no sound
// output chosen.
#pragma once

#include "core/settings/settings_store.h"

namespace zuzazizo {

inline constexpr const char* sound_folder_message =
    "Sound folder unproperly installed. Please reinstall the game.";

// SoundMode back to "none chosen" and SplashScreen on.
void reset_sound_settings_after_failure(SettingsStore& settings);

}  // namespace zuzazizo
