// The check mark of "Display splash screen at startup" in the main window's menu.
//
// The splash screen's play action sets it; each opening of the popup reads it again from the
// store, with the splash screen's own check box as the default for a store that holds nothing;
// its own item inverts it and stores the new state.
#pragma once

#include "core/settings/settings_store.h"
#include "frontend/app/menu_commands.h"

namespace zuzazizo {

class TSplashForm;

class SplashCheck {
  public:
    SplashCheck(SettingsStore& settings, MenuCommands& menu) : settings_(settings), menu_(menu) {}

    // The splash screen whose box gives the default; none until the program has made it.
    void set_splash(const TSplashForm* splash) { splash_ = splash; }

    bool checked() const { return menu_.checks().splashscreen; }
    void set(bool checked) { menu_.set_check(MenuCommand::splashscreen, checked); }
    // As the popup opens.
    void refresh();
    // `pm_11_splashscreenClick`.
    void toggle();

  private:
    SettingsStore& settings_;
    MenuCommands& menu_;
    const TSplashForm* splash_ = nullptr;
};

}  // namespace zuzazizo
