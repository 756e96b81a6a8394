// Centring a window by its outer size once the window manager's frame is known, and leaving a
// window alone that has been put in a state of the window manager's since.
#include "frontend/common/window_centring_qt.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QWidget>

#include "support/qt_app.h"
#include "support/wait_for.h"

namespace zuzazizo {
namespace {

// Whether the window ever stood outside a state while it was being shown (Qt takes a moved window
// out of a state of the window manager's).
class StateWatch final : public QObject {
  public:
    StateWatch(QWidget& window, Qt::WindowState state) : window_(window), state_(state) {
        window.installEventFilter(this);
    }
    bool left = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
            !(window_.windowState() & state_))
            left = true;
        return false;
    }

  private:
    QWidget& window_;
    Qt::WindowState state_;
};

// Qt's offscreen platform gives a shown top-level window a frame of its own, unknown before the
// window exists: as with a window manager that frames a window only once it is mapped.
TEST(WindowCentringQt, AStateChangeBeforeTheFrameIsKnownEndsTheWaitForIt) {
    ensure_qapp();
    QWidget window;
    window.resize(200, 100);
    centre_on_primary_screen(window);  // by the client size: the frame is not known yet
    // Laid out afresh, as a switch of the display mode does, then put in a state. Maximized
    // rather than fullscreen, which the offscreen platform shows without a frame.
    window.resize(300, 150);
    window.setWindowState(Qt::WindowMaximized);
    const StateWatch watch(window, Qt::WindowMaximized);
    window.show();
    ASSERT_TRUE(wait_for([&] { return window.frameGeometry().size() != window.size(); }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(watch.left);
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    window.hide();
}

TEST(WindowCentringQt, AWindowShownWithoutAStateIsCentredAgainByItsFrame) {
    ensure_qapp();
    QWidget window;
    window.resize(200, 100);
    centre_on_primary_screen(window);
    window.show();
    ASSERT_TRUE(wait_for([&] { return window.frameGeometry().size() != window.size(); }));
    QCoreApplication::processEvents();
    const QRect area = primary_screen_rect();
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(window.pos(), QPoint(area.left() + (area.width() - outer.width()) / 2,
                                   area.top() + (area.height() - outer.height()) / 2));
    window.hide();
}

}  // namespace
}  // namespace zuzazizo
