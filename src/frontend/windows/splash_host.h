// What the splash screen needs from the rest of the program when the player presses play.
//
// Implemented by the main window; tests implement it with a recorder. Keeping it this small
// lets the splash screen be tested without a handheld behind it.
#pragma once

#include "core/windows/splash_rules.h"

namespace zuzazizo {

class SplashHost {
  public:
    virtual ~SplashHost() = default;
    // The engine's `sound_enabled`: true for a real output, false for "(no sound)". Set by the
    // play action before the sound starts, as the firmware expects.
    virtual void set_sound_enabled(bool enabled) = 0;
    // Starts the sound output for a real choice (start_sound_or_report in
    // frontend/app/sound_startup.h); false when the samples could not be loaded. The failure has
    // then been reported and the settings put back, and the splash screen ends the program through
    // terminate().
    virtual bool start_sound(SoundChoice choice) = 0;
    // Sets the check mark of the main window's "Display splash screen at startup" menu item.
    virtual void set_splash_menu_checked(bool checked) = 0;
    // Centres the main window on the screen and puts the handheld into its power-on display.
    virtual void power_on() = 0;
    // The main window's first activation shows the splash; a quick start clears that.
    virtual void clear_first_activation() = 0;
    // Ends the program at once, without the main window's close handling.
    virtual void terminate() = 0;
};

}  // namespace zuzazizo
