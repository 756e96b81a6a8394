// What the page's shell shows and decides, from the same rules as the desktop program: the menu
// table (context menu, game menu, shortcuts), the splash screen's texts, layout, list and rules,
// and the settings the two read and write.
//
// Lists go out as text, one entry a line and fields split by tabs, valid until the next call.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

#include "core/common/program_release.h"
#include "core/lcd/game_menu_sizes.h"
#include "core/shell/menu_table.h"
#include "core/skin/picture_scales.h"
#include "core/windows/dialog_colours.h"
#include "core/windows/dialog_picture_files.h"
#include "core/windows/splash_layout.h"
#include "core/windows/splash_rules.h"
#include "core/windows/splash_texts.h"
#include "web/binding/web_handheld.h"

using namespace zuzazizo;

namespace {

std::string out_text;

// The names the page's command registry knows the commands by (commands.js).
std::string_view command_name(MenuCommand command) {
    switch (command) {
        case MenuCommand::separator:
            return "";
        case MenuCommand::about:
            return "about";
        case MenuCommand::readme:
            return "readme";
        case MenuCommand::whatsnew:
            return "whatsnew";
        case MenuCommand::manual:
            return "manual";
        case MenuCommand::config:
            return "config";
        case MenuCommand::keys:
            return "keys";
        case MenuCommand::hiscore:
            return "hiscore";
        case MenuCommand::fullscreen:
            return "fullscreen";
        case MenuCommand::splashscreen:
            return "splashscreen";
        case MenuCommand::exit:
            return "exit";
    }
    return "";
}

void add_line(std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) out_text += '\t';
        out_text += field;
        first = false;
    }
    out_text += '\n';
}

MenuChecks checks_of(int fullscreen, int splashscreen) {
    MenuChecks checks;
    checks.fullscreen = fullscreen != 0;
    checks.splashscreen = splashscreen != 0;
    return checks;
}

}  // namespace

extern "C" {

// Per item in menu order: name, caption ("-" for a separator), shortcut text, shortcut key,
// command, checkable (0/1), default item (0/1).
EMSCRIPTEN_KEEPALIVE const char* sh_menu_items() {
    out_text.clear();
    for (const MenuItem& item : menu_item_table) {
        add_line({item.name, item.caption, shortcut_text(item.shortcut),
                  std::to_string(item.shortcut), command_name(item.command),
                  item.checkable ? "1" : "0", item.command == default_menu_command ? "1" : "0"});
    }
    return out_text.c_str();
}

// Per menu item: checked (0/1), with the two check marks given.
EMSCRIPTEN_KEEPALIVE const char* sh_menu_checks(int fullscreen, int splashscreen) {
    const MenuChecks checks = checks_of(fullscreen, splashscreen);
    out_text.clear();
    for (const MenuItem& item : menu_item_table)
        out_text += checks.checked(item.command) ? '1' : '0';
    return out_text.c_str();
}

// The command of a shortcut key, "" for none.
EMSCRIPTEN_KEEPALIVE const char* sh_shortcut_command(int key) {
    const std::optional<MenuCommand> command = command_of_shortcut(static_cast<std::uint16_t>(key));
    out_text = command ? command_name(*command) : "";
    return out_text.c_str();
}

// The game menu's thirteen rows: text (empty for a separator), command.
EMSCRIPTEN_KEEPALIVE const char* sh_game_menu_rows(int fullscreen, int splashscreen) {
    out_text.clear();
    const std::vector<GameMenuRowText> rows = game_menu_rows(checks_of(fullscreen, splashscreen));
    for (std::size_t i = 0; i < rows.size(); ++i)
        add_line({rows[i].text, command_name(menu_item_table[i].command)});
    return out_text.c_str();
}

// The game menu's look: title, font family, then the numbers of game_menu_sizes.h.
EMSCRIPTEN_KEEPALIVE const char* sh_game_menu_look() {
    using namespace game_menu;
    out_text.clear();
    add_line({title_text, font_family});
    for (const int n : {picture_width_px, picture_height_px, closed_width_px, closed_height_px,
                        row_height_px, row_count, open_width_px, open_height_px, panel_alpha,
                        symbol_bar_left_px, symbol_bar_width_px, symbol_bar_height_px,
                        symbol_bar_gap_px, title_left_px, font_cell_height_px}) {
        out_text += std::to_string(n) + '\t';
    }
    return out_text.c_str();
}

// The splash screen's texts: "name<TAB>text" lines.
EMSCRIPTEN_KEEPALIVE const char* sh_splash_texts() {
    out_text.clear();
    add_line({"caption", splash::caption});
    add_line({"la_game_title", splash::game_title});
    add_line({"la_version", splash::version});
    add_line({"la_release_date", splash::release_date});
    add_line({"la_website_1", splash::website_label});
    add_line({"la_website_2", release::website_text});
    add_line({"website_address", splash::website_address});
    add_line({"la_email_1", splash::email_label});
    add_line({"la_email_2", release::email_text});
    add_line({"email_address", release::email_address});
    add_line({"donation_address", splash::donation_address});
    add_line({"la_sound_select", splash::sound_select});
    add_line({"play_hint", splash::play_hint});
    add_line({"chb_splashscreen", splash::show_at_startup});
    for (const std::string_view item : splash::page_driver_items) add_line({"cb_sound", item});
    return out_text.c_str();
}

// The components' places: "name left top width height" lines; then "look" with the client size,
// the text height and the two colours (Windows colour values, 00BBGGRR).
EMSCRIPTEN_KEEPALIVE const char* sh_splash_layout() {
    namespace place = splash_layout;
    out_text.clear();
    for (const place::Component& c : place::components) {
        out_text += std::string(c.name) + ' ' + std::to_string(c.bounds.left) + ' ' +
                    std::to_string(c.bounds.top) + ' ' + std::to_string(c.bounds.width) + ' ' +
                    std::to_string(c.bounds.height) + '\n';
    }
    out_text += "look " + std::to_string(place::client_width_px) + ' ' +
                std::to_string(place::client_height_px) + ' ' +
                std::to_string(place::text_height_px) + ' ' + std::to_string(place::link_colour) +
                ' ' + std::to_string(dialog_blue_colour) + '\n';
    return out_text.c_str();
}

// The dialog pictures' files, under the site's folder of them: "name<TAB>path<TAB>path of the
// drawing with twice the pixels" lines.
EMSCRIPTEN_KEEPALIVE const char* sh_dialog_pictures() {
    using namespace dialog_files;
    out_text.clear();
    const auto line = [](std::string_view name, const char* file) {
        const std::string path = std::string(web_folder) + file;
        add_line({name, path, larger_file_name(path, larger_factor)});
    };
    line("splash_background", splash_background);
    line("splash_box", splash_box);
    line("play", play);
    line("play_disabled", play_disabled);
    line("donate", donate);
    line("about_handheld", about_handheld);
    return out_text.c_str();
}

// The list position a stored SoundMode selects, -1 for none.
EMSCRIPTEN_KEEPALIVE int sh_splash_list_position(int sound_mode) {
    return page_sound_list_position(sound_mode).value_or(-1);
}

// What playing the shown item does: the SoundMode it stores times 2, plus 1 when it starts the
// sound output; -1 when the text is no item.
EMSCRIPTEN_KEEPALIVE int sh_splash_play(const char* shown) {
    const std::optional<SoundDriverPlay> play = page_sound_driver_play(shown);
    if (!play) return -1;
    return static_cast<int>(play->choice) * 2 + (play->sound_enabled ? 1 : 0);
}

EMSCRIPTEN_KEEPALIVE int sh_splash_play_usable(const char* shown) {
    return splash_play_usable(shown) ? 1 : 0;
}

// 0: the key goes on, 1: play, 2: quit.
EMSCRIPTEN_KEEPALIVE int sh_splash_key(int key) {
    const std::optional<SplashKey> action = splash_key(static_cast<std::uint16_t>(key));
    if (!action) return 0;
    return *action == SplashKey::play ? 1 : 2;
}

EMSCRIPTEN_KEEPALIVE int sh_splash_shows_at_start(int sound_mode, int splash_screen) {
    return splash_shows_at_start(sound_mode, splash_screen != 0) ? 1 : 0;
}

// The settings the shell reads and writes, through the handheld's store and its rules.
EMSCRIPTEN_KEEPALIVE int sh_sound_mode() {
    return page_handheld().settings().read_integer(settings::sound_mode,
                                                   settings::sound_mode_default);
}
EMSCRIPTEN_KEEPALIVE void sh_set_sound_mode(int mode) {
    page_handheld().settings().write_integer(settings::sound_mode, mode);
}
// `fallback` is the state of the splash screen's check box, as the desktop's popup reads it.
EMSCRIPTEN_KEEPALIVE int sh_splash_setting(int fallback) {
    return page_handheld().settings().read_bool(settings::splash_screen, fallback != 0) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void sh_set_splash_setting(int show) {
    page_handheld().settings().write_bool(settings::splash_screen, show != 0);
}

}  // extern "C"
