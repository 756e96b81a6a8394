// The documents the menu opens in the user's own program, by their names beside the program (on
// the web page, beside the page): every front end opens the same three files.
#pragma once

#include <array>
#include <string_view>

#include "core/shell/menu_table.h"
#include "core/skin/skin_paths.h"

namespace zuzazizo {

struct ShellDocument {
    MenuCommand command;
    std::string_view file;
};

inline constexpr std::array<ShellDocument, 3> shell_documents = {{
    {MenuCommand::readme, "Readme.txt"},
    {MenuCommand::whatsnew, "Whatsnew.txt"},
    {MenuCommand::config, config_file_name},
}};

// The file a command opens; empty for a command that opens none.
constexpr std::string_view document_of(MenuCommand command) {
    for (const ShellDocument& document : shell_documents)
        if (document.command == command) return document.file;
    return {};
}

}  // namespace zuzazizo
