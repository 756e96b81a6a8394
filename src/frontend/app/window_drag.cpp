#include "frontend/app/window_drag.h"

#include <QWindow>

#include "core/lcd/image_model.h"

namespace zuzazizo {

void WindowDrag::im_backgroundMouseDown(ImageId image, const QMouseEvent& event, bool fullscreen) {
    if (!is_drag_surface(image) || fullscreen || event.button() != Qt::LeftButton) return;
    const QPoint pos = event.position().toPoint();
    surface_ = image;
    drag_origin_x_ = pos.x();
    drag_origin_y_ = pos.y();
    // Where a window manager offers to move the window itself, it does: a compositor (weston's
    // XWayland among them) ignores a managed window's own moves. The pointer stays on the same
    // point of the case either way. Without one, the moves below do it.
    QWindow* handle = window_.windowHandle();
    if (handle && handle->startSystemMove()) surface_.reset();
}

bool WindowDrag::im_backgroundMouseMove(const QMouseEvent& event, bool fullscreen) {
    if (!surface_ || !(event.buttons() & Qt::LeftButton)) return false;
    if (fullscreen) return true;
    const QPoint pointer = event.globalPosition().toPoint();
    window_.move(pointer.x() - drag_origin_x_, pointer.y() - drag_origin_y_);
    return true;
}

}  // namespace zuzazizo
