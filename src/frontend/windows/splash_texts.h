// The splash screen's texts and addresses. The web and mail addresses are our own, under the
// reserved example.org domain.
#pragma once

#include "frontend/common/program_title.h"

namespace zuzazizo::splash {

inline constexpr const char* caption = "About this game...";
inline constexpr const char* game_title = program_title;
inline constexpr const char* version = "Version 5.00 * Final *";
inline constexpr const char* release_date = "Released December 2026";
inline constexpr const char* website_label = "website:";
inline constexpr const char* website_text = "www.example.org/zuzazizo";
inline constexpr const char* website_address = "http://www.example.org/zuzazizo/";
inline constexpr const char* email_label = "email:";
inline constexpr const char* email_text = "zuzazizo@example.org";
inline constexpr const char* email_address = "mailto:zuzazizo@example.org";
inline constexpr const char* donation_address = "https://www.example.org/zuzazizo/donate";
inline constexpr const char* sound_select = "Select sound driver:";
inline constexpr const char* play_hint = "please select sound driver first";
inline constexpr const char* show_at_startup = "Display this splash screen at startup";

}  // namespace zuzazizo::splash
