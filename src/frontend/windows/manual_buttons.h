// The manual viewer's button pictures as Qt images, from the core's drawing of them.
#pragma once

#include <QImage>
#include <QSize>

#include "core/windows/manual_button_art.h"

namespace zuzazizo {

inline constexpr QSize manual_button_size_px{manual_button_width_px, manual_button_height_px};

QImage manual_button_picture(ManualGlyph glyph, bool pressed);

}  // namespace zuzazizo
