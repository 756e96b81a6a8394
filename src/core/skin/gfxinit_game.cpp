// Gfx_Init_Game's steps after the file check, over a parsed Config.ini.
#include <cmath>
#include <string>

#include "core/common/int_text.h"
#include "core/skin/gfxinit.h"
#include "core/skin/layout_support.h"
#include "core/skin/skin_images.h"
#include "core/skin/skin_paths.h"

namespace zuzazizo {

namespace {

using enum ImageId;
namespace keys = config_keys;

// Only the low byte of BackdropStretch counts, so 256 means "not stretched".
constexpr std::uint32_t backdrop_stretch_mask = 0xFF;

enum class LogoCorner : std::int32_t {
    top_left = 0,
    top_right = 1,
    bottom_left = 2,
    bottom_right = 3
};

// Centres in floating point and truncates toward zero: a difference of -5 gives -2.
int centred_offset(int screen_px, int client_px) {
    const double difference = static_cast<double>(screen_px) - static_cast<double>(client_px);
    return static_cast<int>(std::trunc(difference / 2.0));
}

// A non-zero integer is the offset itself; "Center", 0 and anything else centre the game.
int game_offset(const IniFile& config, const keys::TextKey& key, int screen_px, int client_px) {
    const auto value = parse_int_text(read_key(config, key));
    return value && *value != 0 ? *value : centred_offset(screen_px, client_px);
}

class GameLayout {
  public:
    GameLayout(const IniFile& config, std::string_view exe_dir, GameSurface& surface,
               ImageModel& model, PictureLoader& loader)
        : config_(config),
          exe_dir_(exe_dir),
          config_path_(config_file_path(exe_dir)),
          surface_(surface),
          model_(model),
          loader_(loader) {}

    LayoutError run() {
        skin_dir_ = read_dir_key(config_, keys::skin_dir);
        surface_.client_height_px = read_key(config_, keys::game_height);
        surface_.client_width_px = read_key(config_, keys::game_width);
        surface_.game_width_px = surface_.client_width_px;
        surface_.game_height_px = surface_.client_height_px;
        LayoutError error = surface_.fullscreen_mode ? lay_out_fullscreen() : lay_out_windowed();
        for (int n = 1; !error && n <= skin_image_count; ++n) error = lay_out_image(n);
        return error;
    }

  private:
    LayoutError lay_out_fullscreen() {
        backdrop_dir_ = read_dir_key(config_, keys::backdrop_dir);
        if (LayoutError error = lay_out_backdrop()) return error;
        if (LayoutError error =
                read_colour_key(config_, config_path_, keys::bg_color, surface_.colour)) {
            return error;
        }
        surface_.colour_key_on = false;
        surface_.game_offset_x_px = game_offset(config_, keys::game_offset_x,
                                                surface_.screen_width_px, surface_.client_width_px);
        surface_.game_offset_y_px = game_offset(
            config_, keys::game_offset_y, surface_.screen_height_px, surface_.client_height_px);
        surface_.client_width_px = surface_.screen_width_px;
        surface_.client_height_px = surface_.screen_height_px;
        // The backdrop is anchored to all four sides of the window and so covers all of it.
        model_.set_bounds(im_backdrop, {0, 0, surface_.client_width_px, surface_.client_height_px});
        return lay_out_logo();
    }

    LayoutError lay_out_windowed() {
        surface_.game_offset_x_px = 0;
        surface_.game_offset_y_px = 0;
        if (LayoutError error =
                read_colour_key(config_, config_path_, keys::transp_color, surface_.colour)) {
            return error;
        }
        surface_.colour_key = surface_.colour;
        surface_.colour_key_on = true;
        model_.set_bounds(im_backdrop, {0, 0, surface_.client_width_px, surface_.client_height_px});
        model_.hide(im_backdrop);
        model_.hide(im_backdrop_logo);
        return std::nullopt;
    }

    // A backdrop or logo that is not there is simply not shown: it keeps what it had.
    LayoutError load_backdrop_file(const keys::FileKey& key, ImageId id, bool& loaded) {
        loaded = false;
        const auto name = read_key(config_, key);
        if (!name) return std::nullopt;
        const std::string path = resolve_skin_path(exe_dir_, backdrop_dir_, *name);
        if (!loader_.exists(path)) return std::nullopt;
        PicturePtr picture;
        if (LayoutError error = load_picture(loader_, path, model_[id].transparency, config_path_,
                                             key.section, picture)) {
            return error;
        }
        model_.set_picture(id, std::move(picture));
        loaded = true;
        return std::nullopt;
    }

    LayoutError lay_out_backdrop() {
        bool loaded = false;
        if (LayoutError error = load_backdrop_file(keys::backdrop_file, im_backdrop, loaded)) {
            return error;
        }
        if (!loaded) return std::nullopt;
        const auto stretch = static_cast<std::uint32_t>(read_key(config_, keys::backdrop_stretch));
        const bool stretched = (stretch & backdrop_stretch_mask) != 0;
        model_.set_draw_rule(im_backdrop, stretched ? DrawRule::stretched : DrawRule::centred);
        model_.show(im_backdrop);
        return std::nullopt;
    }

    LayoutError lay_out_logo() {
        bool loaded = false;
        if (LayoutError error = load_backdrop_file(keys::logo_file, im_backdrop_logo, loaded)) {
            return error;
        }
        if (!loaded) return std::nullopt;
        model_.show(im_backdrop_logo);
        place_logo(static_cast<LogoCorner>(read_key(config_, keys::logo_position)));
        return std::nullopt;
    }

    void place_logo(LogoCorner corner) {
        const Rect logo = model_[im_backdrop_logo].bounds;
        const int right = wrapping_sub(surface_.client_width_px, logo.width);
        const int bottom = wrapping_sub(surface_.client_height_px, logo.height);
        switch (corner) {
            case LogoCorner::top_left:
                return place(im_backdrop_logo, 0, 0);
            case LogoCorner::top_right:
                return place(im_backdrop_logo, right, 0);
            case LogoCorner::bottom_left:
                return place(im_backdrop_logo, 0, bottom);
            case LogoCorner::bottom_right:
                return place(im_backdrop_logo, right, bottom);
        }
        // Any other corner number leaves the logo where it is.
    }

    void place(ImageId id, int left, int top) {
        model_.set_left(id, left);
        model_.set_top(id, top);
    }

    LayoutError lay_out_image(int n) {
        const ImageId id = skin_image(n);
        const std::string section = std::string(keys::image_section_prefix) + std::to_string(n);
        if (const auto name = config_.read_file_name(section, keys::image_filename)) {
            const std::string path = resolve_skin_path(exe_dir_, skin_dir_, *name);
            PicturePtr picture = loader_.missing_image_marker();
            if (loader_.exists(path)) {
                if (LayoutError error = load_picture(loader_, path, model_[id].transparency,
                                                     config_path_, section, picture)) {
                    return error;
                }
            }
            model_.set_picture(id, std::move(picture));
        }
        // This order, height first and width last, is the order the bounds were always set in.
        model_.set_height(id, config_.read_int(section, keys::image_height, 0));
        model_.set_left(id, wrapping_add(config_.read_int(section, keys::image_left, 0),
                                         surface_.game_offset_x_px));
        model_.set_top(id, wrapping_add(config_.read_int(section, keys::image_top, 0),
                                        surface_.game_offset_y_px));
        model_.set_width(id, config_.read_int(section, keys::image_width, 0));
        return std::nullopt;
    }

    const IniFile& config_;
    std::string_view exe_dir_;
    std::string config_path_;
    GameSurface& surface_;
    ImageModel& model_;
    PictureLoader& loader_;
    std::string skin_dir_;
    std::string backdrop_dir_;
};

}  // namespace

LayoutResult lay_out_game(const IniFile& config, std::string_view exe_dir, GameSurface& surface,
                          ImageModel& model, PictureLoader& loader) {
    LayoutError error = GameLayout(config, exe_dir, surface, model, loader).run();
    // Even a failed layout leaves the game menu usable in fullscreen.
    lay_out_game_menu(model, surface.fullscreen_mode);
    if (!error) return {};
    return {LayoutStatus::failed, std::move(*error)};
}

}  // namespace zuzazizo
