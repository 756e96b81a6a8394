#include "icon_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skingen {
namespace {

// The drawing is laid out on a grid of this many units and scaled to the size asked for.
constexpr qreal grid = 64.0;

// The case: wide, rounded, with the same blue as the skin's.
void draw_case(QPainter& p) {
    const QRectF body(2, 13, 60, 38);
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, QColor(66, 100, 146));
    g.setColorAt(0.55, QColor(30, 52, 84));
    g.setColorAt(1, QColor(20, 36, 60));
    p.setPen(QPen(QColor(10, 18, 30), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(body, 6, 6);
}

// The LCD: grey-green glass with a ball in flight and the batter's bat, the game's two
// figures, in the dark ink of its segments.
void draw_screen(QPainter& p) {
    const QRectF bezel(15, 17, 34, 27);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 30, 34));
    p.drawRoundedRect(bezel, 3, 3);
    const QRectF glass = bezel.adjusted(3, 3, -3, -3);
    QLinearGradient g(glass.topLeft(), glass.bottomLeft());
    g.setColorAt(0, QColor(190, 198, 166));
    g.setColorAt(1, QColor(148, 158, 130));
    p.setBrush(g);
    p.drawRect(glass);

    const QColor ink(34, 38, 34);
    p.setBrush(ink);
    p.drawEllipse(QPointF(26, 25), 2.8, 2.8);
    QPainterPath bat;
    bat.moveTo(29, 38);
    bat.lineTo(41, 30);
    p.setPen(QPen(ink, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bat);
}

// The round red LEFT and RIGHT buttons on either side of the screen, as on the skin.
void draw_buttons(QPainter& p) {
    p.setPen(QPen(QColor(70, 14, 12), 1.0));
    p.setBrush(QColor(210, 52, 44));
    p.drawEllipse(QPointF(8.5, 38), 5, 5);
    p.drawEllipse(QPointF(55.5, 38), 5, 5);
}

}  // namespace

QImage icon_picture(int size_px) {
    QImage image(size_px, size_px, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size_px / grid, size_px / grid);
    draw_case(p);
    draw_screen(p);
    draw_buttons(p);
    return image;
}

bool write_icons(const QDir& dir) {
    for (const int size : icon_sizes_px) {
        const QString sub = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!dir.mkpath(sub)) return false;
        if (!icon_picture(size).save(dir.filePath(sub + "/zuzazizo.png"))) return false;
    }
    if (!dir.mkpath(QStringLiteral("web"))) return false;
    for (const int size : web_icon_sizes_px) {
        if (!icon_picture(size).save(dir.filePath(QStringLiteral("web/icon-%1.png").arg(size))))
            return false;
    }
    return true;
}

}  // namespace skingen
