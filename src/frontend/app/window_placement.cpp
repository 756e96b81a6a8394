#include "frontend/app/window_placement.h"

#include <QGuiApplication>

#include "frontend/common/window_centring_qt.h"

namespace zuzazizo {

namespace {

// A Wayland compositor runs X programs through XWayland and places their shown windows itself:
// it ignores a shown window's own moves, and moves made around a change of the fullscreen state
// can leave that change undone there. So a shown window only changes state under it.
bool moves_ignored(const QWidget& window) {
    return window.isVisible() && QGuiApplication::platformName() == QLatin1String("xcb") &&
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

void park_off_screen(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
    if (!moves_ignored(window)) move_off_primary_screen(window);
}

void place_on_screen(QWidget& window, bool fullscreen) {
    if (!moves_ignored(window)) centre_on_primary_screen(window);
    if (fullscreen) window.setWindowState(window.windowState() | Qt::WindowFullScreen);
}

}  // namespace zuzazizo
