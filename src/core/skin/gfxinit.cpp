#include "core/skin/gfxinit.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/skin/layout_support.h"
#include "core/skin/skin_paths.h"

namespace zuzazizo {

namespace {

namespace keys = config_keys;

// Far beyond any real Config.ini; a bigger file is not read into memory.
constexpr std::uintmax_t config_size_limit_bytes = 16u * 1024u * 1024u;

std::filesystem::path to_path(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool config_exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(to_path(path), error);
}

// The whole file, or the reason it cannot be read.
std::optional<std::string> read_config(const std::string& path, std::string& error) {
    std::error_code size_error;
    const auto size_bytes = std::filesystem::file_size(to_path(path), size_error);
    if (size_error || size_bytes > config_size_limit_bytes) {
        error = "The configuration file " + path +
                (size_error ? " could not be read." : " is too large to be a configuration file.");
        return std::nullopt;
    }
    std::ifstream in(to_path(path), std::ios::binary);
    std::ostringstream text;
    if (!(text << in.rdbuf())) {
        // An empty file is a valid, empty configuration.
        if (size_bytes == 0) return std::string();
        error = "The configuration file " + path + " could not be read.";
        return std::nullopt;
    }
    return std::move(text).str();
}

}  // namespace

ConfigText read_config_file(std::string_view exe_dir) {
    const std::string path = config_file_path(exe_dir);
    if (!config_exists(path)) return no_config_text();
    std::string error;
    auto text = read_config(path, error);
    if (!text) return {LayoutStatus::failed, {}, error};
    return {LayoutStatus::ok, std::move(*text), {}};
}

LayoutResult Gfx_Init_Game(std::string_view exe_dir, GameSurface& surface, ImageModel& model,
                           PictureLoader& loader) {
    return Gfx_Init_Game(read_config_file(exe_dir), exe_dir, surface, model, loader);
}

LayoutResult Gfx_Init_Manual(std::string_view exe_dir, ManualSurface& surface,
                             PictureLoader& loader) {
    return Gfx_Init_Manual(read_config_file(exe_dir), exe_dir, surface, loader);
}

LayoutResult Gfx_Init_Game(const ConfigText& config, std::string_view exe_dir, GameSurface& surface,
                           ImageModel& model, PictureLoader& loader) {
    if (config.status != LayoutStatus::ok) {
        lay_out_game_menu(model, surface.fullscreen_mode);
        return {config.status, config.message};
    }
    return lay_out_game(IniFile::parse(config.text), exe_dir, surface, model, loader);
}

LayoutResult Gfx_Init_Manual(const ConfigText& config, std::string_view exe_dir,
                             ManualSurface& surface, PictureLoader& loader) {
    // The manual viewer does not insist on Config.ini: without it every key takes its default.
    return lay_out_manual(IniFile::parse(config.text), exe_dir, surface, loader);
}

LayoutResult lay_out_manual(const IniFile& config, std::string_view exe_dir, ManualSurface& surface,
                            PictureLoader& loader) {
    const std::string config_path = config_file_path(exe_dir);
    const std::string manual_dir = read_dir_key(config, keys::manual_dir);
    surface.client_height_px = read_key(config, keys::manual_height);
    surface.client_width_px = read_key(config, keys::manual_width);
    const Rect client{0, 0, surface.client_width_px, surface.client_height_px};
    surface.im_page_top = client;
    surface.sh_page_top = client;

    for (int n = 1; n <= manual_page_count; ++n) {
        const std::string file = std::to_string(n) + std::string(keys::manual_page_extension);
        const std::string path = resolve_skin_path(exe_dir, manual_dir, file);
        ManualPage& page = surface.page(n);
        PicturePtr picture = loader.missing_image_marker();
        if (loader.exists(path)) {
            // A page that fails keeps what it had, as do the pages after it.
            if (LayoutError error = load_picture(loader, path, Transparency::opaque, config_path,
                                                 keys::manual_dir.section, picture)) {
                return {LayoutStatus::failed, std::move(*error)};
            }
        }
        page.picture = std::move(picture);
        page.bounds.height = surface.client_height_px;
        page.bounds.width = surface.client_width_px;
    }
    return {};
}

std::string manual_page_error(std::string_view exe_dir, const std::string& path,
                              const std::string& reason) {
    return picture_error(path, config_file_path(exe_dir), keys::manual_dir.section, reason);
}

}  // namespace zuzazizo
