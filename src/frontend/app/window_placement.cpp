#include "frontend/app/window_placement.h"

#include "frontend/common/window_centring_qt.h"

namespace zuzazizo {

void park_off_screen(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
    move_off_primary_screen(window);
}

void place_on_screen(QWidget& window, bool fullscreen) {
    centre_on_primary_screen(window);
    if (fullscreen) window.setWindowState(window.windowState() | Qt::WindowFullScreen);
}

}  // namespace zuzazizo
