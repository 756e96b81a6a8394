#include "frontend/common/window_centring_qt.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/shell/window_centring.h"

namespace zuzazizo {

QRect primary_screen_rect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void centre_on_primary_screen(QWidget& window) {
    const QRect area = primary_screen_rect();
    const WindowPlace place = centred_on({area.left(), area.top(), area.width(), area.height()},
                                         window.width(), window.height());
    window.move(place.left, place.top);
}

void bring_to_front(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void move_off_primary_screen(QWidget& window) {
    const QRect screen = primary_screen_rect();
    window.move(-screen.width(), -screen.height());
}

}  // namespace zuzazizo
