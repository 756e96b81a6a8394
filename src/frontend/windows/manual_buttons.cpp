#include "frontend/windows/manual_buttons.h"

namespace zuzazizo {
namespace {

const QColor face{0, 0, 255};
const QColor light_outer{192, 192, 255};
const QColor light_inner{128, 128, 255};
const QColor dark_outer{0, 0, 0};
const QColor dark_inner{0, 0, 192};
const QColor glyph_colour{255, 255, 255};

// The glyphs of the released picture, in its pixels; the arrow heads are 4 columns deep.
constexpr int cross_left = 5, cross_top = 4, cross_side = 6;
constexpr int arrow_tip_y = 6, arrow_depth = 4;
constexpr int arrow_left_tip_x = 5, arrow_right_tip_x = 10;

// One pixel of a two-pixel bevel: the outer ring, then the inner ring.
void draw_bevel(QImage& image, bool pressed) {
    const int w = image.width(), h = image.height();
    const QColor& top_outer = pressed ? dark_outer : light_outer;
    const QColor& top_inner = pressed ? dark_inner : light_inner;
    const QColor& bottom_outer = pressed ? light_outer : dark_outer;
    const QColor& bottom_inner = pressed ? light_inner : dark_inner;
    for (int x = 1; x < w - 2; ++x) {
        image.setPixelColor(x, 1, top_inner);
        image.setPixelColor(x, h - 2, bottom_inner);
    }
    for (int y = 1; y < h - 2; ++y) {
        image.setPixelColor(1, y, top_inner);
        image.setPixelColor(w - 2, y, bottom_inner);
    }
    image.setPixelColor(w - 2, h - 2, bottom_inner);
    for (int x = 0; x < w; ++x) {
        image.setPixelColor(x, 0, top_outer);
        image.setPixelColor(x, h - 1, bottom_outer);
    }
    for (int y = 0; y < h; ++y) {
        image.setPixelColor(0, y, top_outer);
        image.setPixelColor(w - 1, y, bottom_outer);
    }
    image.setPixelColor(w - 1, 0, bottom_outer);
    image.setPixelColor(0, h - 1, bottom_outer);
}

void draw_cross(QImage& image, int dx, int dy) {
    for (int i = 0; i < cross_side; ++i) {
        image.setPixelColor(cross_left + i + dx, cross_top + i + dy, glyph_colour);
        image.setPixelColor(cross_left + cross_side - 1 - i + dx, cross_top + i + dy, glyph_colour);
    }
}

// A filled triangle whose tip points left (direction -1) or right (+1).
void draw_arrow(QImage& image, int tip_x, int direction, int dx, int dy) {
    for (int column = 0; column < arrow_depth; ++column) {
        const int x = tip_x - direction * column + dx;
        for (int y = arrow_tip_y - column; y <= arrow_tip_y + column + 1; ++y) {
            image.setPixelColor(x, y + dy, glyph_colour);
        }
    }
}

}  // namespace

QImage manual_button_picture(ManualGlyph glyph, bool pressed) {
    QImage image(manual_button_size_px, QImage::Format_RGB32);
    image.fill(face);
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
    return image;
}

}  // namespace zuzazizo
