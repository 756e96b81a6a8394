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

    // The main window's handlers of its drag surfaces (the case, the screen overlay, the light
    // image, the SET button). A left press on one in windowed mode begins a drag; a move is true
    // when it belongs to a drag (and so to nothing else).
    void im_backgroundMouseDown(ImageId image, const QMouseEvent& event, bool fullscreen);
    bool im_backgroundMouseMove(const QMouseEvent& event, bool fullscreen);
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
