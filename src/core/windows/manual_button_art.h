// The manual viewer's six button pictures, drawn to the window's design: a blue face with a white
// glyph, raised when released and sunken when pressed, the pressed glyph one pixel lower and one
// to the right. Drawn here, pixel by pixel, so that every front end shows the same pictures.
#pragma once

#include <cstdint>
#include <vector>

namespace zuzazizo {

inline constexpr int manual_button_width_px = 16;
inline constexpr int manual_button_height_px = 14;
// The buttons stand this far in from the viewer's edges.
inline constexpr int manual_button_inset_px = 4;

enum class ManualGlyph { cross, arrow_left, arrow_right };

// Row by row from the top-left, each pixel 0xFFRRGGBB.
std::vector<std::uint32_t> manual_button_pixels(ManualGlyph glyph, bool pressed);

}  // namespace zuzazizo
