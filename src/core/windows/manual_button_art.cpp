#include "core/windows/manual_button_art.h"

#include <cstddef>

namespace zuzazizo {
namespace {

constexpr std::uint32_t face = 0xFF0000FF;
constexpr std::uint32_t light_outer = 0xFFC0C0FF;
constexpr std::uint32_t light_inner = 0xFF8080FF;
constexpr std::uint32_t dark_outer = 0xFF000000;
constexpr std::uint32_t dark_inner = 0xFF0000C0;
constexpr std::uint32_t glyph_colour = 0xFFFFFFFF;

// The glyphs of the released picture, in its pixels; the arrow heads are 4 columns deep.
constexpr int cross_left = 5, cross_top = 4, cross_side = 6;
constexpr int arrow_tip_y = 6, arrow_depth = 4;
constexpr int arrow_left_tip_x = 5, arrow_right_tip_x = 10;

class Canvas {
  public:
    Canvas() : pixels_(std::size_t{manual_button_width_px} * manual_button_height_px, face) {}
    void set(int x, int y, std::uint32_t colour) {
        pixels_[static_cast<std::size_t>(y * manual_button_width_px + x)] = colour;
    }
    std::vector<std::uint32_t> take() { return std::move(pixels_); }

  private:
    std::vector<std::uint32_t> pixels_;
};

// One pixel of a two-pixel bevel: the inner ring, then the outer ring over it.
void draw_bevel(Canvas& image, bool pressed) {
    const int w = manual_button_width_px, h = manual_button_height_px;
    const std::uint32_t top_outer = pressed ? dark_outer : light_outer;
    const std::uint32_t top_inner = pressed ? dark_inner : light_inner;
    const std::uint32_t bottom_outer = pressed ? light_outer : dark_outer;
    const std::uint32_t bottom_inner = pressed ? light_inner : dark_inner;
    for (int x = 1; x < w - 2; ++x) {
        image.set(x, 1, top_inner);
        image.set(x, h - 2, bottom_inner);
    }
    for (int y = 1; y < h - 2; ++y) {
        image.set(1, y, top_inner);
        image.set(w - 2, y, bottom_inner);
    }
    image.set(w - 2, h - 2, bottom_inner);
    for (int x = 0; x < w; ++x) {
        image.set(x, 0, top_outer);
        image.set(x, h - 1, bottom_outer);
    }
    for (int y = 0; y < h; ++y) {
        image.set(0, y, top_outer);
        image.set(w - 1, y, bottom_outer);
    }
    image.set(w - 1, 0, bottom_outer);
    image.set(0, h - 1, bottom_outer);
}

void draw_cross(Canvas& image, int dx, int dy) {
    for (int i = 0; i < cross_side; ++i) {
        image.set(cross_left + i + dx, cross_top + i + dy, glyph_colour);
        image.set(cross_left + cross_side - 1 - i + dx, cross_top + i + dy, glyph_colour);
    }
}

// A filled triangle whose tip points left (direction -1) or right (+1).
void draw_arrow(Canvas& image, int tip_x, int direction, int dx, int dy) {
    for (int column = 0; column < arrow_depth; ++column) {
        const int x = tip_x - direction * column + dx;
        for (int y = arrow_tip_y - column; y <= arrow_tip_y + column + 1; ++y) {
            image.set(x, y + dy, glyph_colour);
        }
    }
}

}  // namespace

std::vector<std::uint32_t> manual_button_pixels(ManualGlyph glyph, bool pressed) {
    Canvas image;
    draw_bevel(image, pressed);
    const int shift = pressed ? 1 : 0;
    switch (glyph) {
        case ManualGlyph::cross:
            draw_cross(image, shift, shift);
            break;
        case ManualGlyph::arrow_left:
            draw_arrow(image, arrow_left_tip_x, -1, shift, shift);
            break;
        case ManualGlyph::arrow_right:
            draw_arrow(image, arrow_right_tip_x, 1, shift, shift);
            break;
    }
    return image.take();
}

}  // namespace zuzazizo
