// A broken sound folder puts the settings back so that the next run asks for an output again.
#include "core/sound/sound_failure.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zuzazizo {
namespace {

TEST(SoundFailure, NextRunOffersTheSplashScreenWithNoOutputChosen) {
    struct Case {
        std::map<std::string, std::string> stored;
    };
    const Case cases[] = {
        {{{"SoundMode", "0"}, {"SplashScreen", "0"}}},
        {{{"SoundMode", "1"}, {"SplashScreen", "1"}, {"HiScore1", "120"}}},
        {{}},
    };
    for (const Case& c : cases) {
        MemorySettingsBackend backend;
        backend.values = c.stored;
        SettingsStore settings(backend);
        reset_sound_settings_after_failure(settings);
        EXPECT_EQ(backend.values["SoundMode"], "-1");
        EXPECT_EQ(backend.values["SplashScreen"], "1");
        EXPECT_EQ(settings.read_integer(settings::sound_mode, 0), settings::sound_mode_default);
        // Nothing else is touched.
        EXPECT_EQ(backend.values.size(), c.stored.size() + (c.stored.empty() ? 2 : 0));
    }
}

}  // namespace
}  // namespace zuzazizo
