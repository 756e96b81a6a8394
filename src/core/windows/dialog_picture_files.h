// The file names of the pictures that the splash screen and the about box hold, as skingen writes
// them. The desktop program links them in as Qt resources under these names
// (frontend/common/dialog_pictures.h); the web page serves them from its "dialogs" folder.
//
// Macros, so that the resource paths built from them are string literals joined by the compiler;
// the build (tools/skingen/CMakeLists.txt) reads its list of the files from the lines below.
#pragma once

#include <array>

#define ZUZAZIZO_DIALOG_SPLASH_BACKGROUND "splash_background.png"
#define ZUZAZIZO_DIALOG_SPLASH_BOX "splash_box.jpg"
#define ZUZAZIZO_DIALOG_PLAY "play.png"
#define ZUZAZIZO_DIALOG_PLAY_DISABLED "play_disabled.png"
#define ZUZAZIZO_DIALOG_DONATE "donate.png"
#define ZUZAZIZO_DIALOG_ABOUT_HANDHELD "about_handheld.png"

namespace zuzazizo::dialog_files {

// Every picture is also drawn with twice the pixels, as "name@2x.png" (larger_file_name), for
// screens of a pixel ratio above 1.
inline constexpr int larger_factor = 2;

// The folder of the web site that holds them.
inline constexpr const char* web_folder = "dialogs/";

inline constexpr const char* splash_background = ZUZAZIZO_DIALOG_SPLASH_BACKGROUND;
inline constexpr const char* splash_box = ZUZAZIZO_DIALOG_SPLASH_BOX;
inline constexpr const char* play = ZUZAZIZO_DIALOG_PLAY;
inline constexpr const char* play_disabled = ZUZAZIZO_DIALOG_PLAY_DISABLED;
inline constexpr const char* donate = ZUZAZIZO_DIALOG_DONATE;
inline constexpr const char* about_handheld = ZUZAZIZO_DIALOG_ABOUT_HANDHELD;

inline constexpr std::array all{splash_background, splash_box, play,
                                play_disabled,     donate,     about_handheld};

}  // namespace zuzazizo::dialog_files
