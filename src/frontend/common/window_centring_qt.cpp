#include "frontend/common/window_centring_qt.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "core/shell/window_centring.h"

namespace zuzazizo {

QRect primary_screen_rect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

namespace {

// Centred by the window's outer size: a top-level window's position is that of its frame.
void move_to_centre(QWidget& window) {
    const QRect area = primary_screen_rect();
    const QSize outer = window.frameGeometry().size();
    const WindowPlace place = centred_on({area.left(), area.top(), area.width(), area.height()},
                                         outer.width(), outer.height());
    window.move(place.left, place.top);
}

// A window manager adds its frame (border and title bar) only once the window is shown, and only
// then does Qt know the frame's size: centred by its client size alone, a framed window would
// stand half a frame too low and to the right. So this watches one window until its frame is
// known, then centres it again and goes. It also goes, without a move, when the window hides (a
// later showing asks for its own centring) and when its state changes: a fullscreen window is the
// window manager's to place, and Qt takes a moved window out of fullscreen. (A compositor that
// gives the frame late, as weston's XWayland may, would otherwise see the watch still waiting
// when the window goes fullscreen, and its move undo that.) With no window manager there is no
// frame, and nothing happens.
class FrameWatch final : public QObject {
  public:
    explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) return false;
        if (event->type() == QEvent::Hide || event->type() == QEvent::WindowStateChange) {
            leave();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   window_.frameGeometry().size() != window_.size()) {
            leave();
            move_to_centre(window_);
        }
        return false;
    }

  private:
    void leave() {
        window_.removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
};

}  // namespace

void centre_on_primary_screen(QWidget& window) {
    move_to_centre(window);
    if (window.frameGeometry().size() != window.size()) return;  // the frame is known already
    const QObjectList children = window.children();
    for (QObject* child : children) delete dynamic_cast<FrameWatch*>(child);  // an earlier one
    new FrameWatch(window);
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
