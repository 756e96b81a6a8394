#include "frontend/common/window_centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace zuzazizo {
namespace {

void move_to_centre(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    // A top-level window's position is that of its frame.
    window.move(area.left() + std::max((area.width() - outer.width()) / 2, 0),
                area.top() + std::max((area.height() - outer.height()) / 2, 0));
}

// Watches one window until its frame is known, then centres it again and goes. It also goes
// when the window hides: a later showing asks for its own centring.
class FrameWatch final : public QObject {
  public:
    explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) return false;
        if (event->type() == QEvent::Hide) {
            deleteLater();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   window_.frameGeometry().size() != window_.size()) {
            window_.removeEventFilter(this);
            move_to_centre(window_);
            deleteLater();
        }
        return false;
    }

  private:
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

}  // namespace zuzazizo
