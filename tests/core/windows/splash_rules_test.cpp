#include "core/windows/splash_rules.h"

#include <gtest/gtest.h>

#include "core/input/virtual_keys.h"

namespace zuzazizo {
namespace {

TEST(SplashRules, OnlyAStoredOutputWithTheSplashSwitchedOffSkipsTheSplashScreen) {
    struct Case {
        int sound_mode;
        bool splash_screen;
        bool shows;
    };
    const Case cases[] = {{-1, false, true}, {-1, true, true}, {0, false, false},
                          {2, false, false}, {2, true, true},  {3, false, true},
                          {99, false, true}, {-2, false, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(splash_shows_at_start(c.sound_mode, c.splash_screen), c.shows)
            << c.sound_mode << " " << c.splash_screen;
    }
}

TEST(SplashRules, AStoredSoundModeSelectsItsItemAndAnythingElseNothing) {
    for (int mode = -3; mode <= 5; ++mode) {
        const std::optional<int> position = sound_list_position(mode);
        if (mode >= 0 && mode <= 2) {
            EXPECT_EQ(position, mode);
        } else {
            EXPECT_EQ(position, std::nullopt) << mode;
        }
    }
}

// Each item, once chosen, must store the SoundMode that selects the same item at the next start.
TEST(SplashRules, EachItemPlaysAndStoresTheModeThatSelectsItAgain) {
    const struct {
        std::string_view shown;
        SoundChoice choice;
        bool sound_enabled;
    } cases[] = {
        {"Microsoft DirectSound", SoundChoice::direct_sound, true},
        {"Windows MultiMedia", SoundChoice::multimedia, true},
        {"(no sound)", SoundChoice::none, false},
    };
    for (const auto& c : cases) {
        const std::optional<SoundDriverPlay> play = sound_driver_play(c.shown);
        ASSERT_TRUE(play) << c.shown;
        EXPECT_EQ(play->choice, c.choice) << c.shown;
        EXPECT_EQ(play->sound_enabled, c.sound_enabled) << c.shown;
        const std::optional<int> position = sound_list_position(static_cast<int>(play->choice));
        ASSERT_TRUE(position);
        EXPECT_EQ(splash::driver_items[static_cast<std::size_t>(*position)], c.shown);
    }
    for (std::string_view other : {"", "(No sound)", "Microsoft DirectSound ", "Windows"}) {
        EXPECT_EQ(sound_driver_play(other), std::nullopt) << '"' << other << '"';
        EXPECT_EQ(splash_play_usable(other), !other.empty());
    }
}

TEST(SplashRules, EnterAndTheDigitOnePlayEscapeQuitsAndOtherKeysPassOn) {
    const struct {
        std::uint16_t key;
        std::optional<SplashKey> action;
    } cases[] = {
        {vk::enter, SplashKey::play},
        {vk::digit(1), SplashKey::play},
        {vk::escape, SplashKey::quit},
        {vk::digit(2), std::nullopt},
        {vk::space, std::nullopt},
        {0x61, std::nullopt},  // the keypad's 1 is another key
        {0, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(splash_key(c.key), c.action) << c.key;
}

// The page's list has its one output and "(no sound)". A SoundMode stored by either program
// selects the item that means the same, and playing it stores a mode that selects it again.
TEST(SplashRules, ThePagesListMapsEveryStoredModeToTheItemMeaningTheSame) {
    const struct {
        int sound_mode;
        std::optional<int> position;
    } stored[] = {{-1, std::nullopt}, {0, 0}, {1, 0}, {2, 1}, {3, std::nullopt}};
    for (const auto& c : stored)
        EXPECT_EQ(page_sound_list_position(c.sound_mode), c.position) << c.sound_mode;

    for (std::size_t i = 0; i < splash::page_driver_items.size(); ++i) {
        const std::optional<SoundDriverPlay> play =
            page_sound_driver_play(splash::page_driver_items[i]);
        ASSERT_TRUE(play) << i;
        EXPECT_EQ(play->sound_enabled, i == 0);
        EXPECT_EQ(page_sound_list_position(static_cast<int>(play->choice)), static_cast<int>(i));
        EXPECT_TRUE(splash_shows_at_start(static_cast<int>(play->choice), true));
        EXPECT_FALSE(splash_shows_at_start(static_cast<int>(play->choice), false));
    }
    // The desktop's own outputs are not the page's items.
    EXPECT_EQ(page_sound_driver_play(splash::direct_sound_caption), std::nullopt);
    EXPECT_EQ(page_sound_driver_play(splash::multimedia_caption), std::nullopt);
    EXPECT_EQ(page_sound_driver_play(""), std::nullopt);
}

}  // namespace
}  // namespace zuzazizo
