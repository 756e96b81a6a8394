// Pieces shared by the two layouts: reading keys by their table entry, loading a named picture,
// and the wording of the errors the user sees.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/skin/config_keys.h"
#include "core/skin/ini_file.h"
#include "core/skin/picture_loader.h"

namespace zuzazizo {

// Empty when the layout may go on, otherwise the message for the user.
using LayoutError = std::optional<std::string>;

inline std::string read_key(const IniFile& ini, const config_keys::TextKey& k) {
    return ini.read_text(k.section, k.key, k.fallback);
}
inline std::int32_t read_key(const IniFile& ini, const config_keys::IntKey& k) {
    return ini.read_int(k.section, k.key, k.fallback);
}
inline std::string read_dir_key(const IniFile& ini, const config_keys::TextKey& k) {
    return ini.read_dir(k.section, k.key, k.fallback);
}
inline std::optional<std::string> read_key(const IniFile& ini, const config_keys::FileKey& k) {
    return ini.read_file_name(k.section, k.key);
}

// Reads a colour key; an unconvertible text stops the layout.
LayoutError read_colour_key(const IniFile& ini, std::string_view config_path,
                            const config_keys::TextKey& k, std::uint32_t& colour);

// The message for a picture that exists but could not be decoded, for the `reason` the loader gave.
std::string picture_error(const std::string& path, std::string_view config_path,
                          std::string_view section, const std::string& reason);

// Decodes an existing file into picture; a decoding failure stops the layout.
LayoutError load_picture(PictureLoader& loader, const std::string& path, Transparency transparency,
                         std::string_view config_path, std::string_view section,
                         PicturePtr& picture);

// The closed game menu at the window's top-left corner, shown only in fullscreen mode.
void lay_out_game_menu(ImageModel& model, bool fullscreen_mode);

// Signed arithmetic on values from the file must not overflow: it wraps, as the 32-bit
// arithmetic of the handheld's window would.
inline int wrapping_add(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline int wrapping_sub(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace zuzazizo
