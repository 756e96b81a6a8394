// The release this program is and where its makers are found, as the splash screen and the about
// box tell them; the build (the root CMakeLists.txt) takes its version number from here too.
//
// Macros, so that the texts and addresses built from them are string literals joined by the
// compiler. The web and mail addresses are our own, under the reserved example.org domain.
#pragma once

#define ZUZAZIZO_VERSION "5.00"
#define ZUZAZIZO_RELEASE_MONTH "December 2026"
#define ZUZAZIZO_SITE "www.example.org/zuzazizo"
#define ZUZAZIZO_EMAIL "zuzazizo@example.org"

namespace zuzazizo::release {

inline constexpr const char* version_text = "Version " ZUZAZIZO_VERSION " * Final *";
inline constexpr const char* month = ZUZAZIZO_RELEASE_MONTH;
inline constexpr const char* website_text = ZUZAZIZO_SITE;
inline constexpr const char* email_text = ZUZAZIZO_EMAIL;
inline constexpr const char* email_address = "mailto:" ZUZAZIZO_EMAIL;

}  // namespace zuzazizo::release
