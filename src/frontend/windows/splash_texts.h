// The splash screen's texts and addresses; the release and the addresses come from
// program_release.h.
#pragma once

#include <array>

#include "frontend/common/program_release.h"
#include "frontend/common/program_title.h"
#include "frontend/windows/splash_host.h"

namespace zuzazizo::splash {

inline constexpr const char* caption = "About this game...";
inline constexpr const char* game_title = program_title;
inline constexpr const char* version = release::version_text;
inline constexpr const char* release_date = "Released " ZUZAZIZO_RELEASE_MONTH;
inline constexpr const char* website_label = "website:";
inline constexpr const char* website_address = "http://" ZUZAZIZO_SITE "/";
inline constexpr const char* email_label = "email:";
inline constexpr const char* donation_address = "https://" ZUZAZIZO_SITE "/donate";
inline constexpr const char* sound_select = "Select sound driver:";
inline constexpr const char* play_hint = "please select sound driver first";
inline constexpr const char* show_at_startup = "Display this splash screen at startup";

inline constexpr const char* direct_sound_caption = "Microsoft DirectSound";
inline constexpr const char* multimedia_caption = "Windows MultiMedia";
inline constexpr const char* no_sound_caption = "(no sound)";

// The driver list, in list order: an item's position is the SoundMode it stores.
inline constexpr std::array<const char*, 3> driver_items = {direct_sound_caption,
                                                            multimedia_caption, no_sound_caption};
// True when a stored SoundMode is the position of an item; any other value chose no output yet.
constexpr bool names_driver_item(int sound_mode) {
    return sound_mode >= 0 && sound_mode < static_cast<int>(driver_items.size());
}

// The play action compares the shown text in this order.
struct DriverMatch {
    const char* text;
    SoundChoice choice;
    bool sound_enabled;
};
inline constexpr std::array<DriverMatch, 3> driver_matches = {{
    {no_sound_caption, SoundChoice::none, false},
    {multimedia_caption, SoundChoice::multimedia, true},
    {direct_sound_caption, SoundChoice::direct_sound, true},
}};

}  // namespace zuzazizo::splash
