// Dragging a bare window by a drag surface: exact in windowed mode, nothing in fullscreen.
#include "frontend/app/window_drag.h"

#include <gtest/gtest.h>

#include "support/qt_app.h"

namespace zuzazizo {
namespace {

QMouseEvent mouse(QEvent::Type type, QPoint pos, QPoint global, Qt::MouseButton button,
                  Qt::MouseButtons held) {
    return QMouseEvent(type, QPointF(pos), QPointF(global), button, held, Qt::NoModifier);
}

struct WindowDragTest : ::testing::Test {
    WindowDragTest() { window.move(100, 80); }
    // A press at window point (10, 20) on `image`, then a move of the pointer by (dx, dy).
    bool press_and_move(ImageId image, Qt::MouseButton button, bool fullscreen, int dx, int dy) {
        const QPoint press(10, 20);
        const QPoint global = window.pos() + press;
        drag.im_backgroundMouseDown(
            image, mouse(QEvent::MouseButtonPress, press, global, button, button), fullscreen);
        return drag.im_backgroundMouseMove(mouse(QEvent::MouseMove, press + QPoint(dx, dy),
                                                 global + QPoint(dx, dy), Qt::NoButton, button),
                                           fullscreen);
    }

    QApplication& app = ensure_qapp();  // before the window
    QWidget window;
    WindowDrag drag{window};
};

TEST_F(WindowDragTest, ALeftDragOnEachSurfaceMovesTheWindowByThePointersMove) {
    for (ImageId surface : {ImageId::im_background, ImageId::im_background_screen_top,
                            ImageId::im_background_light, ImageId::btn_set_top}) {
        window.move(100, 80);
        EXPECT_TRUE(press_and_move(surface, Qt::LeftButton, false, 35, -12));
        EXPECT_EQ(window.pos(), QPoint(135, 68));
        drag.end();
        EXPECT_FALSE(drag.dragging());
    }
}

TEST_F(WindowDragTest, NoDragInFullscreenWithAnotherButtonOrOnAnotherImage) {
    const struct {
        ImageId image;
        Qt::MouseButton button;
        bool fullscreen;
        bool move_taken;
    } cases[] = {
        {ImageId::im_background, Qt::LeftButton, true, false},
        {ImageId::im_background, Qt::RightButton, false, false},
        {ImageId::btn_left_top, Qt::LeftButton, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(press_and_move(c.image, c.button, c.fullscreen, 35, -12), c.move_taken);
        EXPECT_FALSE(drag.dragging());
        EXPECT_EQ(window.pos(), QPoint(100, 80));
    }
    // A drag begun in windowed mode moves nothing once the mode has switched.
    press_and_move(ImageId::im_background, Qt::LeftButton, false, 0, 0);
    const QMouseEvent on =
        mouse(QEvent::MouseMove, QPoint(50, 50), QPoint(150, 130), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(drag.im_backgroundMouseMove(on, true)) << "still the drag's move, not a hover";
    EXPECT_EQ(window.pos(), QPoint(100, 80));
}

}  // namespace
}  // namespace zuzazizo
