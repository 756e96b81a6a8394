#include "core/windows/splash_rules.h"

#include "core/input/virtual_keys.h"

namespace zuzazizo {

namespace {

struct DriverMatch {
    std::string_view text;
    SoundDriverPlay play;
};

// In the order the play action compares them.
constexpr std::array<DriverMatch, 3> driver_matches = {{
    {splash::no_sound_caption, {SoundChoice::none, false}},
    {splash::multimedia_caption, {SoundChoice::multimedia, true}},
    {splash::direct_sound_caption, {SoundChoice::direct_sound, true}},
}};

}  // namespace

std::optional<int> sound_list_position(int sound_mode) {
    if (sound_mode < 0 || sound_mode >= static_cast<int>(splash::driver_items.size()))
        return std::nullopt;
    return sound_mode;
}

std::optional<SoundDriverPlay> sound_driver_play(std::string_view shown) {
    for (const DriverMatch& match : driver_matches)
        if (shown == match.text) return match.play;
    return std::nullopt;
}

std::optional<int> page_sound_list_position(int sound_mode) {
    const std::optional<int> position = sound_list_position(sound_mode);
    if (!position) return std::nullopt;
    return *position == static_cast<int>(SoundChoice::none) ? 1 : 0;
}

std::optional<SoundDriverPlay> page_sound_driver_play(std::string_view shown) {
    if (shown == splash::page_output_caption)
        return SoundDriverPlay{SoundChoice::direct_sound, true};
    if (shown == splash::no_sound_caption) return SoundDriverPlay{SoundChoice::none, false};
    return std::nullopt;
}

std::optional<SplashKey> splash_key(std::uint16_t key) {
    if (key == vk::enter || key == vk::digit(1)) return SplashKey::play;
    if (key == vk::escape) return SplashKey::quit;
    return std::nullopt;
}

bool splash_shows_at_start(int sound_mode, bool splash_screen) {
    return !sound_list_position(sound_mode) || splash_screen;
}

}  // namespace zuzazizo
