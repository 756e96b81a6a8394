#include "ink.h"

#include "art_scale.h"
#include "fonts.h"

namespace skingen {

namespace {

const QColor ink_colour{26, 30, 24, 240};
const QColor shadow_colour{40, 52, 34, 44};
constexpr QPoint shadow_offset_px{2, 2};

// Draws the shape in black into a mask the size of the LCD.
QImage draw_mask(const DrawFn& draw) {
    QImage mask = art_canvas(lcd_rect.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    draw(p);
    return mask;
}

QRect ink_bounds(const QImage& mask) {
    int left = mask.width(), top = mask.height(), right = -1, bottom = -1;
    for (int y = 0; y < mask.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            if (qAlpha(row[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage tinted(const QImage& mask, const QColor& colour) {
    QImage out = mask;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

// Shadow first, ink over it, both cut from the same mask so that their edges stay soft alike.
QImage compose(const QImage& mask, const QRect& crop) {
    QImage out = art_canvas(crop.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    p.drawImage(-crop.topLeft() + shadow_offset_px, tinted(mask, shadow_colour));
    p.drawImage(-crop.topLeft(), tinted(mask, ink_colour));
    p.end();
    return out.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QRect to_game_area(const QRect& rect_lcd) {
    return rect_lcd.translated(lcd_rect.topLeft());
}

QString png_name(ImageId id) {
    return QString::fromLatin1(zuzazizo::name_of(id)) + ".png";
}

SkinPart ink_segment(ImageId id, const DrawFn& draw) {
    const QImage mask = draw_mask(draw);
    // Cropped where the 1x drawing's ink ends at every scale, so that all drawings of a segment
    // share one rectangle.
    const QRect bounds = art_scale() == 1 ? ink_bounds(mask) : ink_bounds([&] {
        const ArtScale unscaled(1);
        return draw_mask(draw);
    }());
    const QRect crop = bounds.adjusted(0, 0, shadow_offset_px.x(), shadow_offset_px.y());
    return {to_game_area(crop), compose(mask, crop), png_name(id)};
}

SkinPart ink_segment_in(ImageId id, const QRect& rect_lcd, const DrawFn& draw) {
    return {to_game_area(rect_lcd), compose(draw_mask(draw), rect_lcd), png_name(id)};
}

void limb(QPainter& p, std::initializer_list<QPointF> points, qreal width_px) {
    QPainterPath path;
    auto it = points.begin();
    path.moveTo(*it);
    for (++it; it != points.end(); ++it) path.lineTo(*it);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, width_px, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void blob(QPainter& p, QPointF centre, qreal rx_px, qreal ry_px) {
    p.drawEllipse(centre, rx_px, ry_px);
}

QPainterPath lcd_text_path(const QString& text, qreal size_px, qreal squeeze) {
    QFont font = ui_font(12, true);
    font.setPixelSize(qRound(size_px));
    QPainterPath path;
    path.addText(0, 0, font, text);
    return QTransform::fromScale(squeeze, 1.0).map(path);
}

}  // namespace skingen
