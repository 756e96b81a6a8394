// The keys of Config.ini with their defaults, as the file's documentation lists them.
#pragma once

#include <cstdint>
#include <string_view>

namespace zuzazizo::config_keys {

struct TextKey {
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
};

struct IntKey {
    std::string_view section;
    std::string_view key;
    std::int32_t fallback;
};

// A file key names no file by default, or when it holds this word (in any case).
inline constexpr std::string_view no_file = "nil";
struct FileKey {
    std::string_view section;
    std::string_view key;
};

inline constexpr TextKey skin_dir{"Common", "SkinDir", "Graphics\\Skin\\"};
inline constexpr IntKey game_height{"Common", "GameHeight", 377};
inline constexpr IntKey game_width{"Common", "GameWidth", 609};

inline constexpr TextKey backdrop_dir{"Fullscreen", "BackdropDir", "Graphics\\Backdrops\\"};
inline constexpr FileKey backdrop_file{"Fullscreen", "BackdropFile"};
inline constexpr IntKey backdrop_stretch{"Fullscreen", "BackdropStretch", 0};
inline constexpr TextKey bg_color{"Fullscreen", "BgColor", "$00000000"};
inline constexpr TextKey game_offset_x{"Fullscreen", "GameOffsetX", "Center"};
inline constexpr TextKey game_offset_y{"Fullscreen", "GameOffsetY", "Center"};
inline constexpr FileKey logo_file{"Fullscreen", "LogoFile"};
inline constexpr IntKey logo_position{"Fullscreen", "LogoPosition", 1};

inline constexpr TextKey transp_color{"VideoMode", "TranspColor", "$00ff00ff"};

// The image sections are "Image1" to "Image107"; their keys all default to nothing or 0.
inline constexpr std::string_view image_section_prefix = "Image";
inline constexpr std::string_view image_filename = "Filename";
inline constexpr std::string_view image_left = "Left";
inline constexpr std::string_view image_top = "Top";
inline constexpr std::string_view image_width = "Width";
inline constexpr std::string_view image_height = "Height";

inline constexpr TextKey manual_dir{"Manual", "ManualDir", "Graphics\\Manual\\"};
inline constexpr IntKey manual_height{"Manual", "ManualHeight", 300};
inline constexpr IntKey manual_width{"Manual", "ManualWidth", 390};
inline constexpr std::string_view manual_page_extension = ".bmp";

}  // namespace zuzazizo::config_keys
