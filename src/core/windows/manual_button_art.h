// The manual viewer's six button pictures, drawn to the window's design: a blue face with a white
// glyph, raised when released and sunken when pressed, the pressed glyph one pixel lower and one
// to the right. Drawn here, pixel by pixel, so that every front end shows the same pictures; for
// screens with two pixels to a point they are drawn again at twice the pixels, the bevel as thick
// and the glyphs' slopes in steps of one finer pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace zuzazizo {

inline constexpr int manual_button_width_px = 16;
inline constexpr int manual_button_height_px = 14;
// The buttons stand this far in from the viewer's edges.
inline constexpr int manual_button_inset_px = 4;

// The finest drawing there is: screens of more pixels to a point show it enlarged.
inline constexpr int manual_button_largest_scale = 2;

enum class ManualGlyph { cross, arrow_left, arrow_right };

// Row by row from the top-left, each pixel 0xFFRRGGBB; `scale` times the button's size in each
// direction, 1 or manual_button_largest_scale (other values are taken as the nearest of them).
std::vector<std::uint32_t> manual_button_pixels(ManualGlyph glyph, bool pressed, int scale = 1);

}  // namespace zuzazizo
