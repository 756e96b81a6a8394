// Dragging the borderless window by its case in windowed mode.
#include <QMouseEvent>
#include <QWindow>

#include "frontend/app/unit1.h"

namespace zuzazizo {

// The press point is kept in the window's coordinates, and each move puts that point back under
// the pointer's screen position. Working from the screen position rather than adding up the
// local moves keeps the drag exact even when motion events arrive before the window manager has
// carried out the previous move.
void TForm1::im_backgroundMouseDown(ImageId image, const QMouseEvent& event) {
    if (fullscreen_mode_ || event.button() != Qt::LeftButton) return;
    const QPoint pos = event.position().toPoint();
    drag_surface_ = image;
    drag_origin_x_ = pos.x();
    drag_origin_y_ = pos.y();
    // Where a window manager offers to move the window itself, it does: a compositor (weston's
    // XWayland among them) ignores a managed window's own moves. The pointer stays on the same
    // point of the case either way. Without one, the moves below do it.
    if (windowHandle() && windowHandle()->startSystemMove()) drag_surface_.reset();
}

void TForm1::im_backgroundMouseMove(const QMouseEvent& event) {
    if (fullscreen_mode_ || !(event.buttons() & Qt::LeftButton)) return;
    const QPoint pointer = event.globalPosition().toPoint();
    move(pointer.x() - drag_origin_x_, pointer.y() - drag_origin_y_);
}

}  // namespace zuzazizo
