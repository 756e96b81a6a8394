// The manual viewer's button pictures as Qt images, from the core's drawing of them.
#pragma once

#include <QImage>
#include <QSize>

#include "core/windows/manual_button_art.h"

namespace zuzazizo {

inline constexpr QSize manual_button_size_px{manual_button_width_px, manual_button_height_px};

// Drawn for a screen of `device_pixel_ratio`: above 1, the finer drawing at its own ratio, so that
// the picture keeps the button's size in the window.
QImage manual_button_picture(ManualGlyph glyph, bool pressed, qreal device_pixel_ratio = 1);

}  // namespace zuzazizo
