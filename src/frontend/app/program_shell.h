// The program's ShellHost: the about box, the manual viewer and the key settings dialog that the
// main window's commands open.
#pragma once

#include "frontend/app/shell_host.h"

namespace zuzazizo {

class TAboutForm;
class TKeysForm;
class TManualForm;

class ProgramShell final : public ShellHost {
  public:
    ProgramShell(TAboutForm& about, TKeysForm& keys, TManualForm& manual)
        : about_(about), keys_(keys), manual_(manual) {}

    void show_about() override;
    void show_manual() override;
    void show_keys() override;

  private:
    TAboutForm& about_;
    TKeysForm& keys_;
    TManualForm& manual_;
    bool about_shown_ = false;
    bool manual_shown_ = false;
};

}  // namespace zuzazizo
