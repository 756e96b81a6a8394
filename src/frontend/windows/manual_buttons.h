// The manual viewer's six button pictures, drawn to the window's design: a blue face with a
// white glyph, raised when released and sunken when pressed, the pressed glyph one pixel lower
// and one to the right.
#pragma once

#include <QImage>
#include <QSize>

namespace zuzazizo {

inline constexpr QSize manual_button_size_px{16, 14};

enum class ManualGlyph { cross, arrow_left, arrow_right };

QImage manual_button_picture(ManualGlyph glyph, bool pressed);

}  // namespace zuzazizo
