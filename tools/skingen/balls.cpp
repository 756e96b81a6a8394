#include <cmath>

#include "figures.h"
#include "ink.h"
#include "lcd_layout.h"

namespace skingen {

using enum ImageId;

namespace {

// A ball with its two seams cut out, so that it reads as a baseball and not as a dot.
void baseball(QPainter& p, QPointF c, qreal r) {
    blob(p, c, r, r);
    if (r < 4.5) return;  // seams on smaller balls would only blur them
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 0.9));
    p.drawArc(QRectF(c.x() - r * 1.9, c.y() - r, r * 1.4, r * 2), -50 * 16, 100 * 16);
    p.drawArc(QRectF(c.x() + r * 0.5, c.y() - r, r * 1.4, r * 2), 130 * 16, 100 * 16);
    p.restore();
}

// Cells are spread from the pitcher's hand to just above the bat, growing as they come near.
QPointF cell_centre(std::size_t lane, int cell) {
    const qreal f = 0.03 + (cell - 1) * 0.166;
    return lcd::lane_start[lane] + (lcd::strike_point[lane] - lcd::lane_start[lane]) * f;
}

qreal cell_radius(int cell) {
    const qreal f = (cell - 1) / qreal(lcd::cell_count - 1);
    return lcd::ball_far_radius_px + (lcd::ball_near_radius_px - lcd::ball_far_radius_px) * f;
}

// A struck ball flying off into the field with streaks behind it.
void struck_ball(QPainter& p, QPointF c, QPointF from) {
    baseball(p, c, 5.0);
    const QPointF d = from - c;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    for (int i = -1; i <= 1; ++i) {
        const QPointF s = c + u * (8.0 + std::abs(i) * 2) + n * (i * 4.0);
        limb(p, {s, s + u * (9.0 - std::abs(i) * 3)}, 1.5);
    }
}

// A missed ball bouncing past the batter's feet.
void missed_ball(QPainter& p, QPointF c) {
    baseball(p, c, 5.0);
    limb(p, {c + QPointF(-13, 8), c + QPointF(-9, 5)}, 1.4);
    limb(p, {c + QPointF(-17, 2), c + QPointF(-12, 1)}, 1.4);
}

constexpr std::array<std::array<ImageId, lcd::cell_count>, lcd::lane_count> item_ids{{
    {im_item_1_1, im_item_1_2, im_item_1_3, im_item_1_4, im_item_1_5, im_item_1_6},
    {im_item_2_1, im_item_2_2, im_item_2_3, im_item_2_4, im_item_2_5, im_item_2_6},
    {im_item_3_1, im_item_3_2, im_item_3_3, im_item_3_4, im_item_3_5, im_item_3_6},
}};

}  // namespace

void add_balls(Skin& skin) {
    for (std::size_t lane = 0; lane < lcd::lane_count; ++lane) {
        for (int cell = 1; cell <= lcd::cell_count; ++cell) {
            const ImageId id = item_ids[lane][static_cast<std::size_t>(cell - 1)];
            const QPointF c = cell_centre(lane, cell);
            const qreal r = cell_radius(cell);
            skin[id] = ink_segment(id, [c, r](QPainter& p) { baseball(p, c, r); });
        }
    }
    constexpr std::array<QPointF, 3> got_at{{{26.0, 150.0}, {210.0, 176.0}, {318.0, 148.0}}};
    constexpr std::array<ImageId, 3> got_ids{im_item_1_got, im_item_2_got, im_item_3_got};
    constexpr std::array<ImageId, 3> miss_ids{im_item_1_miss, im_item_2_miss, im_item_3_miss};
    for (std::size_t lane = 0; lane < lcd::lane_count; ++lane) {
        const QPointF bat = lcd::strike_point[lane];
        skin[got_ids[lane]] = ink_segment(
            got_ids[lane], [c = got_at[lane], bat](QPainter& p) { struck_ball(p, c, bat); });
        skin[miss_ids[lane]] = ink_segment(
            miss_ids[lane], [bat](QPainter& p) { missed_ball(p, bat + QPointF(15, 33)); });
    }
}

}  // namespace skingen
