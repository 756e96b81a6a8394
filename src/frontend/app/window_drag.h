// Dragging the borderless window by its case in windowed mode.
//
// The press point is kept in the window's coordinates, and each move puts that point back under
// the pointer's screen position. Working from the screen position rather than adding up the
// local moves keeps the drag exact even when motion events arrive before the window manager has
// carried out the previous move.
#pragma once

#include <QMouseEvent>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "core/lcd/image_id.h"

namespace zuzazizo {

class WindowDrag {
  public:
    explicit WindowDrag(QWidget& window) : window_(window) {}

    // `im_backgroundMouseDown`: a left press on a drag surface in windowed mode begins a drag.
    void press(ImageId image, const QMouseEvent& event, bool fullscreen);
    // `im_backgroundMouseMove`: true when the move belongs to a drag (and so to nothing else).
    bool move(const QMouseEvent& event, bool fullscreen);
    // The left button's release, or a mode switch: a drag begun in the other mode must not jump
    // the window.
    void end() { surface_.reset(); }
    bool dragging() const { return surface_.has_value(); }

  private:
    QWidget& window_;
    std::optional<ImageId> surface_;  // the image the drag began on
    std::int32_t drag_origin_x_ = 0;
    std::int32_t drag_origin_y_ = 0;
};

}  // namespace zuzazizo
