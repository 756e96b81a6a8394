#include "case_art.h"

#include <QPainter>
#include <QPainterPath>

#include "art_scale.h"
#include "button_art.h"
#include "fonts.h"
#include "ink.h"

namespace skingen {

using enum ImageId;

namespace {

QPainterPath case_path() {
    QPainterPath path;
    path.addRoundedRect(case_outline, case_corner_px, case_corner_px);
    return path;
}

void draw_body(QPainter& p) {
    QLinearGradient g(0, 0, 0, game_height_px);
    g.setColorAt(0, QColor(46, 74, 112));
    g.setColorAt(0.55, QColor(30, 52, 84));
    g.setColorAt(1, QColor(20, 36, 60));
    p.fillPath(case_path(), g);
    // A bevel along the edge: light on the upper rim, dark on the lower.
    QLinearGradient rim(0, 0, 0, game_height_px);
    rim.setColorAt(0, QColor(150, 175, 210));
    rim.setColorAt(0.5, QColor(60, 84, 120));
    rim.setColorAt(1, QColor(10, 18, 30));
    p.setPen(QPen(QBrush(rim), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(case_outline.adjusted(2, 2, -2, -2), case_corner_px - 2, case_corner_px - 2);
    p.setPen(QPen(QColor(12, 18, 28), 1.4));
    p.drawPath(case_path());
}

void draw_faceplate(QPainter& p) {
    QLinearGradient g(faceplate.topLeft(), faceplate.bottomRight());
    g.setColorAt(0, QColor(222, 224, 218));
    g.setColorAt(0.5, QColor(196, 199, 192));
    g.setColorAt(1, QColor(170, 173, 166));
    p.setPen(QPen(QColor(90, 96, 100), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(faceplate, 16, 16);
    // Two red pinstripes, like the stitching of a ball, frame the screen.
    p.setPen(QPen(QColor(190, 40, 36), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(faceplate.adjusted(5, 5, -5, -5), 12, 12);
    const QRectF label(faceplate.left(), lcd_rect.bottom() + lcd_bezel_px + 2, faceplate.width(),
                       faceplate.bottom() - lcd_rect.bottom() - lcd_bezel_px - 6);
    p.setPen(QColor(60, 66, 72));
    p.setFont(ui_font(9, true));
    p.drawText(label, Qt::AlignCenter,
               QStringLiteral("BASEBALL  \u25C6  CLOCK  \u25C6  ALARM  \u25C6  CHRONO"));
}

void draw_lcd_window(QPainter& p) {
    const QRectF lcd = QRectF(lcd_rect);
    const QRectF bezel = lcd.adjusted(-lcd_bezel_px, -lcd_bezel_px, lcd_bezel_px, lcd_bezel_px);
    QLinearGradient b(bezel.topLeft(), bezel.bottomLeft());
    b.setColorAt(0, QColor(28, 30, 34));
    b.setColorAt(1, QColor(62, 66, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    p.drawRoundedRect(bezel, 7, 7);
    QLinearGradient glass(lcd.topLeft(), lcd.bottomRight());
    glass.setColorAt(0, QColor(182, 190, 160));
    glass.setColorAt(0.6, QColor(166, 176, 146));
    glass.setColorAt(1, QColor(148, 158, 130));
    p.fillRect(lcd, glass);
    // The glass sits below the faceplate: its top and left edges lie in shadow.
    for (int i = 0; i < 5; ++i) {
        const QColor shade(0, 0, 0, 60 - i * 12);
        p.fillRect(QRectF(lcd.left(), lcd.top() + i, lcd.width(), 1), shade);
        p.fillRect(QRectF(lcd.left() + i, lcd.top(), 1, lcd.height()), shade);
    }
}

void draw_branding(QPainter& p) {
    const qreal top = faceplate.bottom() + 4;
    const QRectF strip(faceplate.left(), top, faceplate.width(), game_height_px - top - 6);
    p.setPen(QColor(240, 242, 246));
    p.setFont(ui_font(24, true, true));
    p.drawText(strip.adjusted(0, 0, 0, -12), Qt::AlignCenter, QStringLiteral("ZUZAZIZO"));
    p.setFont(ui_font(8, true));
    p.setPen(QColor(225, 120, 60));
    p.drawText(strip.adjusted(0, 30, 0, 0), Qt::AlignCenter,
               QStringLiteral("POCKETEER  \u00B7  WIDE SCREEN BASEBALL"));
    // Speaker holes at the lower right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 18, 30));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 6; ++col)
            p.drawEllipse(QPointF(520.0 + col * 9 + (row % 2) * 4.5, 332.0 + row * 8), 2.2, 2.2);
}

// Edge pixels become opaque case colour or fully transparent: the windowed program keys out its
// background colour, and any blend with it would leave a fringe of that colour around the window.
// Partly covered pixels are blended with a dark shade instead. Transparent rather than painted in
// the key colour, so that the fullscreen backdrop shows round the case's corners too.
QImage keyed(const QImage& drawn) {
    QImage out = drawn.convertToFormat(QImage::Format_ARGB32);
    const QColor edge(14, 18, 26);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a < 96) {
                row[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const auto mix = [a](int c, int e) { return (c * a + e * (255 - a)) / 255; };
            row[x] = qRgb(mix(qRed(row[x]), edge.red()), mix(qGreen(row[x]), edge.green()),
                          mix(qBlue(row[x]), edge.blue()));
        }
    }
    return out;
}

QImage case_picture() {
    QImage image = art_canvas({game_width_px, game_height_px}, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw_body(p);
    draw_faceplate(p);
    draw_lcd_window(p);
    draw_branding(p);
    for (const ButtonDesign& design : buttons) {
        draw_socket_ring(p, design);
        draw_raised_cap(p, design);
        draw_button_label(p, design);
    }
    p.end();
    return keyed(image);
}

QImage lcd_sized(const std::function<void(QPainter&, const QRectF&)>& draw) {
    QImage image = art_canvas(lcd_rect.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QRectF(QPointF(), QSizeF(lcd_rect.size())));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A faint diagonal reflection across the glass; nearly all of it is clear.
void glass_sheen(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(255, 255, 255, 34));
    g.setColorAt(0.18, QColor(255, 255, 255, 10));
    g.setColorAt(0.30, QColor(255, 255, 255, 0));
    g.setColorAt(0.52, QColor(255, 255, 255, 0));
    g.setColorAt(0.58, QColor(255, 255, 255, 22));
    g.setColorAt(0.66, QColor(255, 255, 255, 0));
    p.fillRect(r, g);
}

// Warm light from a lamp behind the reflector, brightest in the middle of the screen.
void backlight(QPainter& p, const QRectF& r) {
    QRadialGradient g(r.center(), r.width() * 0.7);
    g.setColorAt(0, QColor(255, 222, 150, 150));
    g.setColorAt(1, QColor(250, 190, 110, 105));
    p.fillRect(r, g);
}

}  // namespace

void add_case(Skin& skin) {
    skin[im_background] = {QRect(0, 0, game_width_px, game_height_px), case_picture(),
                           QStringLiteral("im_background.png")};
    skin[im_background_screen_top] = {lcd_rect, lcd_sized(glass_sheen),
                                      QStringLiteral("im_background_screen_top.png")};
    skin[im_background_light] = {lcd_rect, lcd_sized(backlight),
                                 QStringLiteral("im_background_light.png")};
    add_buttons(skin);
}

}  // namespace skingen
