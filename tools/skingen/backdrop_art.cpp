#include "backdrop_art.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "art_scale.h"
#include "fonts.h"
#include "frontend/common/dialog_look.h"
#include "frontend/common/dialog_pictures.h"

namespace skingen {

namespace pictures = zuzazizo::dialog_pictures;

namespace {

QPainter& smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    return p;
}

void floodlight(QPainter& p, QPointF at, qreal reach_px) {
    QRadialGradient glow(at, reach_px);
    glow.setColorAt(0, QColor(255, 250, 220, 200));
    glow.setColorAt(0.08, QColor(255, 240, 190, 120));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.fillRect(QRectF(at.x() - reach_px, at.y() - reach_px, 2 * reach_px, 2 * reach_px), glow);
    p.setPen(QPen(QColor(20, 26, 40), 3));
    p.drawLine(at + QPointF(0, 14), at + QPointF(0, 260));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 235));
    p.drawRoundedRect(QRectF(at.x() - 22, at.y() - 8, 44, 16), 3, 3);
}

QPainterPath diamond(QPointF home, qreal side_px) {
    QPainterPath path;
    path.moveTo(home);
    path.lineTo(home + QPointF(side_px, -side_px * 0.45));
    path.lineTo(home + QPointF(0, -side_px * 0.9));
    path.lineTo(home + QPointF(-side_px, -side_px * 0.45));
    path.closeSubpath();
    return path;
}

}  // namespace

void draw_baseball(QPainter& p, QPointF c, qreal r) {
    p.save();
    p.setPen(QPen(QColor(150, 150, 150), std::max(0.8, r / 12)));
    p.setBrush(QColor(250, 250, 246));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(205, 40, 40), std::max(1.0, r / 9)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 1.75, c.y() - r, r * 1.3, r * 2), -55 * 16, 110 * 16);
    p.drawArc(QRectF(c.x() + r * 0.45, c.y() - r, r * 1.3, r * 2), 125 * 16, 110 * 16);
    p.restore();
}

QImage backdrop_picture() {
    QImage image(1024, 768, QImage::Format_RGB32);
    QPainter p(&image);
    smooth(p);
    QLinearGradient sky(0, 0, 0, 768);
    sky.setColorAt(0, QColor(6, 10, 30));
    sky.setColorAt(0.45, QColor(18, 34, 78));
    sky.setColorAt(0.62, QColor(34, 60, 96));
    sky.setColorAt(0.63, QColor(20, 70, 40));
    sky.setColorAt(1, QColor(10, 40, 22));
    p.fillRect(image.rect(), sky);
    // Mowing stripes of the outfield.
    for (int i = 0; i < 12; ++i) {
        QPainterPath stripe;
        stripe.moveTo(512, 1200);
        stripe.lineTo(-600 + i * 190, 484);
        stripe.lineTo(-505 + i * 190, 484);
        stripe.closeSubpath();
        p.fillPath(stripe, QColor(255, 255, 255, i % 2 ? 10 : 0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 92, 52, 160));
    p.drawPath(diamond(QPointF(512, 760), 260));
    p.setPen(QPen(QColor(240, 240, 230, 150), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(diamond(QPointF(512, 760), 200));
    floodlight(p, QPointF(110, 150), 260);
    floodlight(p, QPointF(914, 150), 260);
    floodlight(p, QPointF(330, 90), 180);
    floodlight(p, QPointF(694, 90), 180);
    return image;
}

QImage logo_picture() {
    QImage image(64, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    smooth(p);
    p.setPen(Qt::NoPen);
    QColor translucent_blue = zuzazizo::dialog_blue;
    translucent_blue.setAlpha(220);
    p.setBrush(translucent_blue);
    p.drawRoundedRect(QRectF(0.5, 0.5, 63, 31), 8, 8);
    draw_baseball(p, QPointF(16, 16), 11);
    p.setPen(QColor(245, 245, 240));
    p.setFont(ui_font(13, true, true));
    p.drawText(QRectF(28, 0, 34, 32), Qt::AlignCenter, QStringLiteral("ZZ"));
    return image;
}

QImage splash_background() {
    const QSize size = pictures::splash_background_size_px;
    const int width = size.width();
    const int band_top = pictures::splash_check_band_top_px;
    QImage image = art_canvas(size, QImage::Format_RGB32);
    QPainter p(&image);
    smooth(p);
    QLinearGradient top(0, 0, 0, 230);
    top.setColorAt(0, QColor(4, 22, 48));
    top.setColorAt(1, QColor(16, 62, 118));
    p.fillRect(QRect(0, 0, width, 230), top);
    // A light panel for the black lines of text, the release line down to the buttons.
    QLinearGradient panel(0, 230, 0, band_top);
    panel.setColorAt(0, QColor(236, 241, 248));
    panel.setColorAt(1, QColor(206, 218, 234));
    p.fillRect(QRect(0, 230, width, band_top - 230), panel);
    p.fillRect(QRect(0, band_top, width, size.height() - band_top), zuzazizo::dialog_blue);
    p.setPen(QPen(QColor(200, 40, 36), 2));
    p.drawLine(0, 229, width, 229);
    p.drawLine(0, band_top, width, band_top);
    // Faint seams of a ball sweeping through the corners of the panel.
    p.setClipRect(QRect(0, 231, width, band_top - 232));
    p.setPen(QPen(QColor(200, 40, 36, 50), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-150, 200, 230, 230), -60 * 16, 120 * 16);
    p.drawArc(QRectF(380, 200, 230, 230), 120 * 16, 120 * 16);
    return image;
}

QImage splash_box(const QImage& handheld) {
    QImage image = art_canvas(pictures::splash_box_size_px, QImage::Format_RGB32);
    QPainter p(&image);
    smooth(p);
    QLinearGradient bg(0, 0, 0, 160);
    bg.setColorAt(0, QColor(16, 62, 118));
    bg.setColorAt(1, QColor(8, 30, 62));
    p.fillRect(QRect(QPoint(), pictures::splash_box_size_px), bg);
    const QRectF front(130, 14, 200, 136);
    QPainterPath side;  // the right side of the box in perspective
    side.moveTo(front.topRight());
    side.lineTo(front.topRight() + QPointF(28, -10));
    side.lineTo(front.bottomRight() + QPointF(28, -10));
    side.lineTo(front.bottomRight());
    p.fillPath(side, QColor(150, 28, 26));
    QPainterPath lid;
    lid.moveTo(front.topLeft());
    lid.lineTo(front.topLeft() + QPointF(28, -10));
    lid.lineTo(front.topRight() + QPointF(28, -10));
    lid.lineTo(front.topRight());
    p.fillPath(lid, QColor(226, 84, 72));
    p.fillRect(front, QColor(200, 40, 36));
    p.fillRect(front.adjusted(6, 6, -6, -38), QColor(250, 248, 240));
    p.drawImage(front.adjusted(12, 10, -12, -42), handheld);
    p.setPen(QColor(255, 255, 255));
    p.setFont(ui_font(17, true, true));
    p.drawText(front.adjusted(0, 98, 0, -14), Qt::AlignCenter, QStringLiteral("ZUZAZIZO"));
    p.setFont(ui_font(8, true));
    p.drawText(front.adjusted(0, 120, 0, 0), Qt::AlignCenter,
               QStringLiteral("POCKETEER \u00B7 BASEBALL & CLOCK"));
    draw_baseball(p, QPointF(70, 80), 34);
    draw_baseball(p, QPointF(400, 92), 22);
    return image;
}

QImage dialog_button(const QString& caption, QRgb face, bool enabled) {
    QImage image = art_canvas(pictures::button_size_px, QImage::Format_RGB32);
    image.fill(QColor(214, 224, 238));
    QPainter p(&image);
    smooth(p);
    const QColor base = QColor::fromRgb(face);
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0, base.lighter(enabled ? 140 : 110));
    g.setColorAt(1, base.darker(enabled ? 130 : 105));
    p.setPen(QPen(base.darker(170), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 104, 27), 7, 7);
    p.setPen(enabled ? QColor(255, 255, 255) : QColor(150, 150, 150));
    p.setFont(ui_font(13, true));
    p.drawText(QRectF(QPointF(), pictures::button_size_px), Qt::AlignCenter, caption);
    return image;
}

}  // namespace skingen
