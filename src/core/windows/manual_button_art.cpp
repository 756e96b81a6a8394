#include "core/windows/manual_button_art.h"

#include <algorithm>
#include <cstddef>

namespace zuzazizo {
namespace {

constexpr std::uint32_t face = 0xFF0000FF;
constexpr std::uint32_t light_outer = 0xFFC0C0FF;
constexpr std::uint32_t light_inner = 0xFF8080FF;
constexpr std::uint32_t dark_outer = 0xFF000000;
constexpr std::uint32_t dark_inner = 0xFF0000C0;
constexpr std::uint32_t glyph_colour = 0xFFFFFFFF;

// The glyphs of the released picture, in the button's points; the arrow heads are 4 columns deep.
constexpr int cross_left = 5, cross_top = 4, cross_side = 6;
constexpr int arrow_tip_y = 6, arrow_depth = 4;
constexpr int arrow_left_tip_x = 5, arrow_right_tip_x = 10;

// The button's picture with `scale` pixels to each of its points.
class Canvas {
  public:
    explicit Canvas(int scale)
        : scale_(scale),
          width_(manual_button_width_px * scale),
          pixels_(std::size_t{manual_button_width_px} * manual_button_height_px *
                      static_cast<std::size_t>(scale * scale),
                  face) {}
    int scale() const { return scale_; }
    // One pixel.
    void set(int x, int y, std::uint32_t colour) {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
    }
    // One point: scale by scale pixels.
    void set_point(int x, int y, std::uint32_t colour) {
        for (int dy = 0; dy < scale_; ++dy) {
            for (int dx = 0; dx < scale_; ++dx) set(x * scale_ + dx, y * scale_ + dy, colour);
        }
    }
    std::vector<std::uint32_t> take() { return std::move(pixels_); }

  private:
    int scale_;
    int width_;
    std::vector<std::uint32_t> pixels_;
};

// A bevel two points deep: the inner ring, then the outer ring over it.
void draw_bevel(Canvas& image, bool pressed) {
    const int w = manual_button_width_px, h = manual_button_height_px;
    const std::uint32_t top_outer = pressed ? dark_outer : light_outer;
    const std::uint32_t top_inner = pressed ? dark_inner : light_inner;
    const std::uint32_t bottom_outer = pressed ? light_outer : dark_outer;
    const std::uint32_t bottom_inner = pressed ? light_inner : dark_inner;
    for (int x = 1; x < w - 2; ++x) {
        image.set_point(x, 1, top_inner);
        image.set_point(x, h - 2, bottom_inner);
    }
    for (int y = 1; y < h - 2; ++y) {
        image.set_point(1, y, top_inner);
        image.set_point(w - 2, y, bottom_inner);
    }
    image.set_point(w - 2, h - 2, bottom_inner);
    for (int x = 0; x < w; ++x) {
        image.set_point(x, 0, top_outer);
        image.set_point(x, h - 1, bottom_outer);
    }
    for (int y = 0; y < h; ++y) {
        image.set_point(0, y, top_outer);
        image.set_point(w - 1, y, bottom_outer);
    }
    image.set_point(w - 1, 0, bottom_outer);
    image.set_point(0, h - 1, bottom_outer);
}

// Two diagonals, stepping one pixel at a time; at the finer scales each step is two pixels wide,
// so that the strokes weigh as much as the one-pixel steps of the coarsest drawing.
void draw_cross(Canvas& image, int shift) {
    const int s = image.scale();
    const int left = cross_left * s + shift, top = cross_top * s + shift, side = cross_side * s;
    for (int i = 0; i < side; ++i) {
        image.set(left + i, top + i, glyph_colour);
        image.set(left + side - 1 - i, top + i, glyph_colour);
        if (s > 1 && i + 1 < side) {
            image.set(left + i + 1, top + i, glyph_colour);
            image.set(left + side - 2 - i, top + i, glyph_colour);
        }
    }
}

// A filled triangle whose tip points left (direction -1) or right (+1), about the line between
// the tip's two middle rows; each column one pixel taller at either end than the one before.
void draw_arrow(Canvas& image, int tip_x_point, int direction, int shift) {
    const int s = image.scale();
    const int tip_x = tip_x_point * s + (direction > 0 ? s - 1 : 0) + shift;
    const int middle_y = (arrow_tip_y + 1) * s + shift;
    for (int column = 0; column < arrow_depth * s; ++column) {
        const int x = tip_x - direction * column;
        for (int y = middle_y - column - 1; y < middle_y + column + 1; ++y) {
            image.set(x, y, glyph_colour);
        }
    }
}

}  // namespace

std::vector<std::uint32_t> manual_button_pixels(ManualGlyph glyph, bool pressed, int scale) {
    Canvas image(std::clamp(scale, 1, manual_button_largest_scale));
    draw_bevel(image, pressed);
    const int shift = pressed ? image.scale() : 0;
    switch (glyph) {
        case ManualGlyph::cross:
            draw_cross(image, shift);
            break;
        case ManualGlyph::arrow_left:
            draw_arrow(image, arrow_left_tip_x, -1, shift);
            break;
        case ManualGlyph::arrow_right:
            draw_arrow(image, arrow_right_tip_x, 1, shift);
            break;
    }
    return image.take();
}

}  // namespace zuzazizo
