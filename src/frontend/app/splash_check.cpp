#include "frontend/app/splash_check.h"

#include "frontend/windows/splash.h"

namespace zuzazizo {

void SplashCheck::refresh() {
    const bool box_checked =
        splash_ ? splash_->show_at_startup_checked() : settings::splash_screen_default;
    set(settings_.read_bool(settings::splash_screen, box_checked));
}

void SplashCheck::toggle() {
    set(!checked());
    settings_.write_bool(settings::splash_screen, checked());
}

}  // namespace zuzazizo
