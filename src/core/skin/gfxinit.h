// Module gfxinit: the layout of the main window and the manual viewer from Config.ini.
//
// Each run reads Config.ini afresh and once, so an edit made while the program runs takes effect
// at the next layout (the next display-mode switch). The routines never show anything: they
// return what went wrong, and the front end reports it and, when Config.ini is missing, ends the
// program.
#pragma once

#include <string>
#include <string_view>

#include "core/lcd/image_model.h"
#include "core/skin/ini_file.h"
#include "core/skin/picture_loader.h"
#include "core/skin/window_surface.h"

namespace zuzazizo {

inline constexpr std::string_view config_missing_message =
    "Configuration file (Config.ini) not found. Please reinstall the game.";

enum class LayoutStatus {
    ok,
    config_missing,  // show config_missing_message and terminate
    failed,          // show the message; the layout stopped where it failed
};

struct LayoutResult {
    LayoutStatus status = LayoutStatus::ok;
    std::string message;  // for the user; empty when ok

    bool ok() const { return status == LayoutStatus::ok; }
};

// Config.ini as the layouts find it: its text, or why there is none (config_missing, or failed
// with the message).
struct ConfigText {
    LayoutStatus status = LayoutStatus::ok;
    std::string text;
    std::string message;
};

inline ConfigText no_config_text() {
    return {LayoutStatus::config_missing, {}, std::string(config_missing_message)};
}

// The file in exe_dir.
ConfigText read_config_file(std::string_view exe_dir);

// exe_dir is the directory of the running executable: Config.ini and every relative directory it
// names are found there.
LayoutResult Gfx_Init_Game(std::string_view exe_dir, GameSurface& surface, ImageModel& model,
                           PictureLoader& loader);
LayoutResult Gfx_Init_Manual(std::string_view exe_dir, ManualSurface& surface,
                             PictureLoader& loader);
// The same over Config.ini read already, or given by a front end that has no files.
LayoutResult Gfx_Init_Game(const ConfigText& config, std::string_view exe_dir, GameSurface& surface,
                           ImageModel& model, PictureLoader& loader);
LayoutResult Gfx_Init_Manual(const ConfigText& config, std::string_view exe_dir,
                             ManualSurface& surface, PictureLoader& loader);

// The same layouts over a Config.ini already parsed: Gfx_Init_Game after its file check.
LayoutResult lay_out_game(const IniFile& config, std::string_view exe_dir, GameSurface& surface,
                          ImageModel& model, PictureLoader& loader);
LayoutResult lay_out_manual(const IniFile& config, std::string_view exe_dir, ManualSurface& surface,
                            PictureLoader& loader);

// The message for a manual page that the layout accepted but whose pixels could not be decoded
// when it was first shown (a loader may leave the decoding to the first use).
std::string manual_page_error(std::string_view exe_dir, const std::string& path,
                              const std::string& reason);

}  // namespace zuzazizo
