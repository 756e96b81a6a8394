#include "core/skin/layout_support.h"

#include "core/lcd/game_menu_sizes.h"

namespace zuzazizo {

void lay_out_game_menu(ImageModel& model, bool fullscreen_mode) {
    model.set_visible(ImageId::btn_game_menu_top, fullscreen_mode);
    model.set_visible(ImageId::btn_game_menu_background, fullscreen_mode);
    model.set_height(ImageId::btn_game_menu_background, game_menu::closed_height_px);
    model.set_width(ImageId::btn_game_menu_background, game_menu::closed_width_px);
}

LayoutError read_colour_key(const IniFile& ini, std::string_view config_path,
                            const config_keys::TextKey& k, std::uint32_t& colour) {
    const auto value = ini.read_colour(k.section, k.key, k.fallback);
    if (value) {
        colour = *value;
        return std::nullopt;
    }
    return "The skin could not be laid out: in " + std::string(config_path) + ", section [" +
           std::string(k.section) + "], " + std::string(k.key) + " is \"" + read_key(ini, k) +
           "\", which is not a colour value. Write it as an integer, such as $00FF00FF.";
}

LayoutError load_picture(PictureLoader& loader, const std::string& path, Transparency transparency,
                         std::string_view config_path, std::string_view section,
                         PicturePtr& picture) {
    LoadedPicture loaded = loader.load(path, transparency);
    if (loaded.ok()) {
        picture = std::move(loaded.picture);
        return std::nullopt;
    }
    return picture_error(path, config_path, section, loaded.error);
}

std::string picture_error(const std::string& path, std::string_view config_path,
                          std::string_view section, const std::string& reason) {
    return "The skin could not be laid out: the picture \"" + path + "\", named in section [" +
           std::string(section) + "] of " + std::string(config_path) +
           ", could not be loaded: " + reason;
}

}  // namespace zuzazizo
