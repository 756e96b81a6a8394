// The main window's commands: the popup menu `pm_0_menu` with its check marks, the shortcut keys,
// and the item actions that open the other windows and the documents or reset the high scores.
//
// The actions that change the main window itself (its display mode, the splash setting, the end
// of the program) belong to the window, which hands them in; everything else is done here, so the
// window only forwards its menu handlers.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/shell/menu_table.h"
#include "frontend/app/popup_menu.h"
#include "frontend/app/shell_host.h"
#include "frontend/common/link_opener.h"

namespace zuzazizo {

// The window's own actions, and what it does as the popup opens (`pm_0_menuPopup`).
struct WindowCommands {
    std::function<void()> reset_hiscores;  // in the engine, which the window owns
    std::function<void()> toggle_fullscreen;
    std::function<void()> toggle_splashscreen;
    std::function<void()> exit;
    std::function<void()> popup_opening;
};

class MenuCommands {
  public:
    // The popup becomes a child of `window`. Documents are found in `base_dir`. Until set, the
    // desktop opens documents and the system beeps.
    MenuCommands(QWidget& window, std::string base_dir, WindowCommands own);

    // The windows that the commands open; none until the program has made them.
    void set_shell(ShellHost* shell) { shell_ = shell; }
    void set_link_opener(LinkOpener opener) { open_link_ = std::move(opener); }
    void set_beeper(std::function<void()> beep) { beep_ = std::move(beep); }

    PopupMenu& popup() { return *popup_; }
    const MenuChecks& checks() const { return checks_; }
    void set_check(MenuCommand command, bool checked);

    void run(MenuCommand command);
    // Runs the command of a shortcut key. False for any other key, and while the window is
    // disabled: the key settings dialog is open then and the shortcuts rest.
    bool shortcut(std::uint16_t key);

    void about();
    void readme();
    void whatsnew();
    void manual();
    void config();
    // Shows the key settings dialog and disables the window until the dialog closes.
    void keys();
    // Resets both high scores and beeps. No confirmation and no redraw: the panel shows the new
    // values when next asked to.
    void reset_hiscores();

  private:
    void open_document(std::string_view file_name);

    QWidget& window_;
    std::string base_dir_;
    WindowCommands own_;
    PopupMenu* popup_;  // owned by the window as its child
    MenuChecks checks_;
    ShellHost* shell_ = nullptr;
    LinkOpener open_link_;
    std::function<void()> beep_;
};

}  // namespace zuzazizo
