#include "core/shell/menu_table.h"

namespace zuzazizo {

namespace {

constexpr std::string_view row_indent = "   ";
constexpr std::string_view checked_row_suffix = " [V]";

}  // namespace

std::string shortcut_text(std::uint16_t key) {
    if (key == vk::escape) return "Esc";
    if (key < vk::f1 || key > vk::f12) return {};
    // Appended rather than "F" + number: GCC 12 at -O3 (the Windows build) warns falsely of an
    // overlapping copy in the literal-plus-string form.
    std::string text = "F";
    text += std::to_string(key - vk::f1 + 1);
    return text;
}

bool MenuChecks::checked(MenuCommand command) const {
    switch (command) {
        case MenuCommand::fullscreen:
            return fullscreen;
        case MenuCommand::splashscreen:
            return splashscreen;
        default:
            return false;
    }
}

void MenuChecks::set(MenuCommand command, bool checked) {
    if (command == MenuCommand::fullscreen) fullscreen = checked;
    if (command == MenuCommand::splashscreen) splashscreen = checked;
}

std::vector<GameMenuRowText> game_menu_rows(const MenuChecks& checks) {
    std::vector<GameMenuRowText> rows;
    rows.reserve(menu_item_table.size());
    for (const MenuItem& item : menu_item_table) {
        if (item.command == MenuCommand::separator) {
            rows.push_back({{}, false});
            continue;
        }
        std::string text = std::string(row_indent) + std::string(item.caption);
        if (checks.checked(item.command)) text += checked_row_suffix;
        rows.push_back({std::move(text), true});
    }
    return rows;
}

}  // namespace zuzazizo
