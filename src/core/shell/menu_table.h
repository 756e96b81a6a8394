// The thirteen commands of the main window, in menu order: the one table from which the popup
// menu and the in-window game menu's rows are built, so every caption, shortcut and check mark is
// written once and every front end shows the same menu.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/input/virtual_keys.h"
#include "core/lcd/game_menu_sizes.h"

namespace zuzazizo {

enum class MenuCommand {
    separator,
    about,
    readme,
    whatsnew,
    manual,
    config,
    keys,
    hiscore,
    fullscreen,
    splashscreen,
    exit,
};

struct MenuItem {
    std::string_view name;     // the component name
    std::string_view caption;  // "-" for a separator, as the designer wrote it
    std::uint16_t shortcut;    // virtual-key code; 0 for none
    MenuCommand command;
    bool checkable;
};

inline constexpr std::string_view separator_caption = "-";

// The numbering skips 12, as the designer left it.
inline constexpr std::array<MenuItem, 13> menu_item_table = {{
    {"pm_1_about", "About...", vk::f1, MenuCommand::about, false},
    {"pm_2_readme", "View 'Readme.txt'", vk::f2, MenuCommand::readme, false},
    {"pm_3_whatsnew", "View 'Whatsnew.txt'", vk::f3, MenuCommand::whatsnew, false},
    {"pm_4_manual", "View manual", vk::f4, MenuCommand::manual, false},
    {"pm_5_n1", separator_caption, 0, MenuCommand::separator, false},
    {"pm_6_config", "Edit configuration file", 0, MenuCommand::config, false},
    {"pm_7_keys", "Key settings", 0, MenuCommand::keys, false},
    {"pm_8_hiscore", "Reset Hiscores", 0, MenuCommand::hiscore, false},
    {"pm_9_n2", separator_caption, 0, MenuCommand::separator, false},
    {"pm_10_fullscreen", "Display in fullscreen mode", vk::f12, MenuCommand::fullscreen, true},
    {"pm_11_splashscreen", "Display splash screen at startup", 0, MenuCommand::splashscreen, true},
    {"pm_13_n3", separator_caption, 0, MenuCommand::separator, false},
    {"pm_14_exit", "Exit", vk::escape, MenuCommand::exit, false},
}};
static_assert(menu_item_table.size() == game_menu::row_count, "one in-window row per item");

// The item that is the menu's default (shown bold).
inline constexpr MenuCommand default_menu_command = MenuCommand::about;

// The command whose shortcut is this key, if any.
constexpr std::optional<MenuCommand> command_of_shortcut(std::uint16_t key) {
    if (key == 0) return std::nullopt;
    for (const MenuItem& item : menu_item_table)
        if (item.shortcut == key) return item.command;
    return std::nullopt;
}

// The position of a command's item in menu order.
constexpr std::size_t menu_index_of(MenuCommand command) {
    for (std::size_t i = 0; i < menu_item_table.size(); ++i)
        if (menu_item_table[i].command == command) return i;
    return menu_item_table.size();
}

// The shortcut as the menu shows it: "F1" .. "F12", "Esc"; empty for none.
std::string shortcut_text(std::uint16_t key);

// The check marks of the two checkable items: the display mode and the splash screen's setting.
// Every other item has none.
struct MenuChecks {
    bool fullscreen = false;
    bool splashscreen = true;

    bool checked(MenuCommand command) const;
    void set(MenuCommand command, bool checked);
};

// A row of the in-window game menu, as it stands when the menu opens.
struct GameMenuRowText {
    std::string text;  // empty for a separator
    bool interactive;  // false for a separator: an inert gap
};

// The thirteen rows in menu order: each caption indented, with " [V]" after a checked item. The
// rows show the marks of the moment they are made and are not updated while the menu stays open.
std::vector<GameMenuRowText> game_menu_rows(const MenuChecks& checks);

}  // namespace zuzazizo
