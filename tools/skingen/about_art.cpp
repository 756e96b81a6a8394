#include "about_art.h"

#include <QLinearGradient>
#include <QPainter>

#include "art_scale.h"
#include "backdrop_art.h"
#include "manual_draw.h"

namespace skingen {

using enum ImageId;

namespace {

constexpr int margin_px = 5;
constexpr int glass_height_px = 84;
constexpr int glass_padding_px = 6;
constexpr qreal glass_corner_px = 6;
constexpr qreal ball_radius_px = 6;
const QColor sky_top{18, 30, 70};
const QColor field_bottom{24, 84, 40};
const QColor glass_colour{200, 208, 186};
const QColor glass_rim{70, 78, 66};

// The batter standing ready, taken from the screen's own segments so that he looks the same.
QImage batter(const Skin& skin) {
    const ImageId parts[] = {im_hero_2_1, im_hero_2_2};
    QRect bounds;
    for (ImageId id : parts) bounds |= skin.at(id).rect;
    QImage figure(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    figure.fill(Qt::transparent);
    QPainter p(&figure);
    for (ImageId id : parts) {
        const SkinPart& part = skin.at(id);
        p.drawImage(part.rect.topLeft() - bounds.topLeft(), part.picture);
    }
    return figure;
}

void draw_glass(QPainter& p, const QRect& glass, const QImage& figure) {
    p.setPen(QPen(glass_rim, 2));
    p.setBrush(glass_colour);
    p.drawRoundedRect(QRectF(glass).adjusted(1, 1, -1, -1), glass_corner_px, glass_corner_px);
    const QRect room =
        glass.adjusted(glass_padding_px, glass_padding_px, -glass_padding_px, -glass_padding_px);
    const QImage scaled = figure.scaled(room.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint at(room.left() + (room.width() - scaled.width()) / 3,
                    room.bottom() + 1 - scaled.height());
    p.drawImage(at, scaled);
    // The pitch on its way in, just short of the bat.
    draw_baseball(p, QPointF(room.right() - ball_radius_px, room.center().y() + ball_radius_px),
                  ball_radius_px);
}

}  // namespace

QImage about_picture(const Skin& skin) {
    QImage picture = art_canvas(about_picture_size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, about_picture_size.height());
    night.setColorAt(0, sky_top);
    night.setColorAt(1, field_bottom);
    p.fillRect(QRect(QPoint(), about_picture_size), night);

    const int inner_width_px = about_picture_size.width() - 2 * margin_px;
    draw_glass(p, QRect(margin_px, margin_px, inner_width_px, glass_height_px), batter(skin));
    const QImage handheld = manual::handheld(skin, inner_width_px, art_scale());
    const int height_px = qRound(handheld.deviceIndependentSize().height());
    p.drawImage(QPoint(margin_px, about_picture_size.height() - margin_px - height_px), handheld);
    return picture;
}

}  // namespace skingen
