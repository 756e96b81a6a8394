#include "frontend/app/program_shell.h"

#include "frontend/common/window_centring_qt.h"
#include "frontend/windows/about.h"
#include "frontend/windows/keys.h"
#include "frontend/windows/manual.h"

namespace zuzazizo {

void ProgramShell::show_about() {
    // Centred when first shown; afterwards it is found where the user left it.
    if (!about_shown_) centre_on_primary_screen(about_);
    about_shown_ = true;
    bring_to_front(about_);
}

void ProgramShell::show_manual() {
    // Centred before its first showing, as the about box: a compositor that places shown windows
    // itself takes the position only from a window that asks for it as it is mapped.
    if (!manual_shown_) centre_on_primary_screen(manual_);
    manual_shown_ = true;
    bring_to_front(manual_);
}

void ProgramShell::show_keys() {
    centre_on_primary_screen(keys_);
    bring_to_front(keys_);
}

}  // namespace zuzazizo
