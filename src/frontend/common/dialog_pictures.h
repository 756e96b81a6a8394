// The pictures of the splash screen and the about box, drawn by skingen and linked in as Qt
// resources. Linking the library zuzazizo_dialog_pictures is all a consumer does: the resource
// objects are linked whole, so they register themselves when the program loads.
#pragma once

namespace zuzazizo::dialog_pictures {

inline constexpr const char* splash_background = ":/dialogs/splash_background.png";  // 460x420
inline constexpr const char* splash_box = ":/dialogs/splash_box.jpg";                // 460x160
inline constexpr const char* play = ":/dialogs/play.png";                            // 107x30
inline constexpr const char* play_disabled = ":/dialogs/play_disabled.png";          // 107x30
inline constexpr const char* donate = ":/dialogs/donate.png";                        // 107x30
inline constexpr const char* about_handheld = ":/dialogs/about_handheld.png";        // 116x160

// True when every picture above is present: a check for start-up or tests that the resource
// objects were linked in.
bool all_present();

}  // namespace zuzazizo::dialog_pictures
