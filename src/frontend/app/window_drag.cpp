#include "frontend/app/window_drag.h"

#include "core/lcd/image_model.h"

namespace zuzazizo {

void WindowDrag::im_backgroundMouseDown(ImageId image, const QMouseEvent& event, bool fullscreen) {
    if (!is_drag_surface(image) || fullscreen || event.button() != Qt::LeftButton) return;
    const QPoint pos = event.position().toPoint();
    surface_ = image;
    drag_origin_x_ = pos.x();
    drag_origin_y_ = pos.y();
}

bool WindowDrag::im_backgroundMouseMove(const QMouseEvent& event, bool fullscreen) {
    if (!surface_ || !(event.buttons() & Qt::LeftButton)) return false;
    if (fullscreen) return true;
    const QPoint pointer = event.globalPosition().toPoint();
    window_.move(pointer.x() - drag_origin_x_, pointer.y() - drag_origin_y_);
    return true;
}

}  // namespace zuzazizo
