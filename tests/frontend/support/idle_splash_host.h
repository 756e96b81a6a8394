// A splash host that does nothing, for tests of the splash screen's looks.
#pragma once

#include "frontend/windows/splash_host.h"

namespace zuzazizo::testing {

struct IdleSplashHost final : SplashHost {
    void set_sound_enabled(bool) override {}
    bool start_sound(SoundChoice) override { return true; }
    void set_splash_menu_checked(bool) override {}
    void power_on() override {}
    void clear_first_activation() override {}
    void terminate() override {}
};

}  // namespace zuzazizo::testing
