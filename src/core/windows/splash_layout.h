// Where the splash screen's components stand, in its client area, and the colours and font size
// its texts were designed in: one table for every front end that draws the screen.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zuzazizo::splash_layout {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Component {
    std::string_view name;
    Bounds bounds;
};

inline constexpr int client_width_px = 460;
inline constexpr int client_height_px = 420;

inline constexpr Bounds im_background{0, 0, client_width_px, client_height_px};
// The box picture is centred in this band and held at its height.
inline constexpr Bounds im_box_picture{0, 56, client_width_px, 160};
inline constexpr Bounds la_game_title{0, 12, client_width_px, 15};
inline constexpr Bounds la_version{0, 28, client_width_px, 15};
inline constexpr Bounds la_release_date{0, 236, client_width_px, 15};
inline constexpr Bounds la_website_1{118, 259, 56, 15};
inline constexpr Bounds la_website_2{174, 259, 168, 15};
inline constexpr Bounds la_email_1{118, 282, 56, 15};
inline constexpr Bounds la_email_2{174, 282, 168, 15};
inline constexpr Bounds la_sound_select{98, 308, 116, 15};
inline constexpr Bounds cb_sound{217, 308, 144, 21};
// btn_play_disabled lies exactly over btn_play.
inline constexpr Bounds btn_play{116, 340, 107, 30};
inline constexpr Bounds btn_paypal{237, 340, 107, 30};
inline constexpr Bounds chb_splashscreen{12, 391, 444, 17};

// Every component by its name, bottom to top.
inline constexpr std::array<Component, 15> components = {{
    {"im_background", im_background},
    {"im_box_picture", im_box_picture},
    {"la_game_title", la_game_title},
    {"la_version", la_version},
    {"la_release_date", la_release_date},
    {"la_website_1", la_website_1},
    {"la_website_2", la_website_2},
    {"la_email_1", la_email_1},
    {"la_email_2", la_email_2},
    {"la_sound_select", la_sound_select},
    {"btn_play", btn_play},
    {"btn_play_disabled", btn_play},
    {"btn_paypal", btn_paypal},
    {"cb_sound", cb_sound},
    {"chb_splashscreen", chb_splashscreen},
}};

// The texts are Arial of this cell height in pixels.
inline constexpr int text_height_px = 12;
// RGB(24, 82, 148), the links, as a Windows colour value (00BBGGRR). The band behind the check
// box is the dialogs' dark blue (dialog_colours.h).
inline constexpr std::uint32_t link_colour = 0x00945218;

}  // namespace zuzazizo::splash_layout
