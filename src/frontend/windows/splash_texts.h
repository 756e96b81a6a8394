// The splash screen's texts and addresses; the release and the addresses come from
// program_release.h.
#pragma once

#include "core/common/program_release.h"
#include "frontend/common/program_title.h"

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

}  // namespace zuzazizo::splash
