// The order in which the sound start-up tries SDL's audio drivers.
#include "frontend/sound/mixer_drivers_sdl.h"

#include <gtest/gtest.h>

namespace zuzazizo {
namespace {

using Names = std::vector<std::string>;

// What Debian's SDL 2 is built with, in SDL's own order.
const Names debian_drivers = {"pulseaudio", "alsa", "sndio", "pipewire", "dsp", "disk", "dummy"};

#if defined(__linux__)
TEST(DriverCandidates, PrimaryTriesTheSoundServersFirstAndAlternativeTriesAlsaFirst) {
    EXPECT_EQ(driver_candidates(MixerOutput::primary, "", debian_drivers),
              (Names{"pulseaudio", "pipewire", "alsa", "sndio", "dsp", "dummy"}));
    EXPECT_EQ(driver_candidates(MixerOutput::alternative, "", debian_drivers),
              (Names{"alsa", "pulseaudio", "pipewire", "sndio", "dsp", "dummy"}));
}
#endif

TEST(DriverCandidates, SdlsOwnChoiceComesFirstAndIsNotTriedTwice) {
    const Names with_env = driver_candidates(MixerOutput::primary, "alsa", debian_drivers);
    EXPECT_EQ(with_env.front(), "alsa");
    EXPECT_EQ(std::count(with_env.begin(), with_env.end(), "alsa"), 1);

    const Names disk = driver_candidates(MixerOutput::alternative, "disk", debian_drivers);
    EXPECT_EQ(disk.front(), "disk");
    EXPECT_EQ(disk.back(), "dummy");
}

TEST(DriverCandidates, TheFileDriverIsNeverAFallbackAndTheSilentDriverIsAlwaysLast) {
    for (const MixerOutput output : {MixerOutput::primary, MixerOutput::alternative}) {
        const Names names = driver_candidates(output, "", debian_drivers);
        EXPECT_EQ(std::count(names.begin(), names.end(), "disk"), 0);
        EXPECT_EQ(std::count(names.begin(), names.end(), "dummy"), 1);
        EXPECT_EQ(names.back(), "dummy");
    }
}

TEST(DriverCandidates, DriversSdlLacksAreSkippedButTheSilentOneIsStillTried) {
    EXPECT_EQ(driver_candidates(MixerOutput::primary, "", Names{"alsa"}), (Names{"alsa", "dummy"}));
    EXPECT_EQ(driver_candidates(MixerOutput::primary, "", Names{}), (Names{"dummy"}));
    EXPECT_EQ(driver_candidates(MixerOutput::primary, "dummy", Names{"dummy"}), (Names{"dummy"}));
}

}  // namespace
}  // namespace zuzazizo
