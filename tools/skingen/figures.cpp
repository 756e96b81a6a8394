#include "figures.h"

#include "ink.h"
#include "lcd_layout.h"

namespace skingen {

using enum ImageId;

namespace {

void put(Skin& skin, ImageId id, const DrawFn& draw) {
    skin[id] = ink_segment(id, draw);
}

// A player's head with a cap whose peak points to the given side (+1 right, -1 left).
void capped_head(QPainter& p, QPointF c, qreal r, int peak_side) {
    blob(p, c, r, r);
    QPainterPath peak;
    peak.moveTo(c + QPointF(0, -r * 0.35));
    peak.lineTo(c + QPointF(peak_side * r * 1.9, -r * 0.15));
    peak.lineTo(c + QPointF(peak_side * r * 1.8, r * 0.2));
    peak.lineTo(c + QPointF(0, r * 0.1));
    p.drawPath(peak);
}

// An umpire's or catcher's face mask: the head with its bars cut out.
void masked_head(QPainter& p, QPointF c, qreal r) {
    blob(p, c, r, r);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    limb(p, {c + QPointF(-r * 0.55, -r * 0.1), c + QPointF(r * 0.55, -r * 0.1)}, 1.0);
    limb(p, {c + QPointF(-r * 0.45, r * 0.4), c + QPointF(r * 0.45, r * 0.4)}, 1.0);
    p.restore();
}

void torso(QPainter& p, QPointF shoulders, qreal width_px, qreal height_px) {
    p.drawRoundedRect(QRectF(shoulders.x() - width_px / 2, shoulders.y(), width_px, height_px),
                      width_px * 0.35, width_px * 0.35);
}

void pitcher_body(QPainter& p) {
    const QPointF h = lcd::pitcher_head;
    capped_head(p, h, 5.5, -1);
    torso(p, h + QPointF(0, 7), 15, 21);
    limb(p, {h + QPointF(-3, 27), h + QPointF(-6, 37), h + QPointF(-8, 46)}, 4.2);
    limb(p, {h + QPointF(3, 27), h + QPointF(7, 37), h + QPointF(9, 46)}, 4.2);
    limb(p, {h + QPointF(6, 10), h + QPointF(13, 18), h + QPointF(9, 19)}, 3.2);
    blob(p, h + QPointF(8, 18), 4.2, 3.8);  // glove at the chest
    limb(p, {h + QPointF(-16, 50), h + QPointF(0, 47.5), h + QPointF(16, 50)}, 1.6);  // mound
}

// The throwing arm from the shoulder through the elbow to the ball in the hand.
void pitch_arm(QPainter& p, QPointF elbow, QPointF hand) {
    const QPointF h = lcd::pitcher_head;
    limb(p, {h + QPointF(-6, 10), h + elbow, h + hand}, 3.2);
    blob(p, h + hand, 3.0, 3.0);
}

}  // namespace

void add_pitcher(Skin& skin) {
    put(skin, im_item_top_2_1, pitcher_body);
    // Wind-up low behind, arm back and high, over the head, and the release across the body.
    put(skin, im_item_top_2_2, [](QPainter& p) { pitch_arm(p, {-14, 18}, {-19, 29}); });
    put(skin, im_item_top_2_3, [](QPainter& p) { pitch_arm(p, {-16, 4}, {-22, -7}); });
    put(skin, im_item_top_2_4, [](QPainter& p) { pitch_arm(p, {-10, -3}, {-5, -12}); });
    put(skin, im_item_top_2_5, [](QPainter& p) { pitch_arm(p, {-12, 22}, {-3, 33}); });
}

namespace {

QPointF batter_origin(int pos) {
    return lcd::strike_point[static_cast<std::size_t>(pos - 1)] +
           QPointF(lcd::batter_offset_px, lcd::batter_head_y - lcd::strike_point[0].y());
}

void batter_body(QPainter& p, QPointF h) {
    capped_head(p, h, 6.2, 1);
    torso(p, h + QPointF(-1, 8), 13, 23);
    limb(p, {h + QPointF(-4, 30), h + QPointF(-9, 41), h + QPointF(-10, 53)}, 4.6);
    limb(p, {h + QPointF(2, 30), h + QPointF(8, 41), h + QPointF(10, 53)}, 4.6);
    limb(p, {h + QPointF(-13, 54), h + QPointF(-7, 54)}, 3.0);
    limb(p, {h + QPointF(9, 54), h + QPointF(15, 54)}, 3.0);
}

// A bat tapers from the grip to the barrel.
void bat(QPainter& p, QPointF grip, QPointF end) {
    limb(p, {grip, grip + (end - grip) * 0.45}, 2.4);
    limb(p, {grip + (end - grip) * 0.4, end}, 4.6);
}

void ready_bat(QPainter& p, QPointF h) {
    limb(p, {h + QPointF(-3, 11), h + QPointF(6, 17), h + QPointF(7, 9)}, 3.2);
    limb(p, {h + QPointF(4, 11), h + QPointF(9, 14), h + QPointF(7, 9)}, 3.2);
    bat(p, h + QPointF(7, 9), h + QPointF(-7, -17));
}

void swung_bat(QPainter& p, QPointF h) {
    limb(p, {h + QPointF(-3, 11), h + QPointF(8, 16), h + QPointF(14, 16)}, 3.2);
    limb(p, {h + QPointF(4, 11), h + QPointF(14, 16)}, 3.2);
    bat(p, h + QPointF(13, 16), h + QPointF(50, 13));
}

void ball_at_bat(QPainter& p, QPointF h) {
    blob(p, h + QPointF(42, 21), 5.2, 5.2);
}

// Bonus: the batter drops the bat and cheers, arms flung up, then out, as in a jump.
void cheer_arms_up(QPainter& p, QPointF h) {
    limb(p, {h + QPointF(-5, 11), h + QPointF(-11, 1), h + QPointF(-14, -10)}, 3.2);
    limb(p, {h + QPointF(4, 11), h + QPointF(10, 1), h + QPointF(13, -10)}, 3.2);
    blob(p, h + QPointF(-14.5, -11), 2.8, 2.8);
    blob(p, h + QPointF(13.5, -11), 2.8, 2.8);
}

void cheer_arms_out(QPainter& p, QPointF h) {
    limb(p, {h + QPointF(-5, 11), h + QPointF(-15, 9), h + QPointF(-25, 6)}, 3.2);
    limb(p, {h + QPointF(4, 11), h + QPointF(14, 9), h + QPointF(24, 6)}, 3.2);
    blob(p, h + QPointF(-26, 6), 2.8, 2.8);
    blob(p, h + QPointF(25, 6), 2.8, 2.8);
}

}  // namespace

void add_batters(Skin& skin) {
    constexpr std::array<std::array<ImageId, 4>, 3> ids{{
        {im_hero_1_1, im_hero_1_2, im_hero_1_3, im_hero_1_4},
        {im_hero_2_1, im_hero_2_2, im_hero_2_3, im_hero_2_4},
        {im_hero_3_1, im_hero_3_2, im_hero_3_3, im_hero_3_4},
    }};
    for (int pos = 1; pos <= 3; ++pos) {
        const QPointF h = batter_origin(pos);
        const auto& row = ids[static_cast<std::size_t>(pos - 1)];
        put(skin, row[0], [h](QPainter& p) { batter_body(p, h); });
        put(skin, row[1], [h](QPainter& p) { ready_bat(p, h); });
        put(skin, row[2], [h](QPainter& p) { swung_bat(p, h); });
        put(skin, row[3], [h](QPainter& p) { ball_at_bat(p, h); });
    }
    const QPointF h3 = batter_origin(3);
    put(skin, im_hero_3_5, [h3](QPainter& p) { cheer_arms_up(p, h3); });
    put(skin, im_hero_3_6, [h3](QPainter& p) { cheer_arms_out(p, h3); });
}

namespace {

void umpire_body(QPainter& p) {
    const QPointF h = lcd::umpire_head;
    masked_head(p, h, 6.5);
    torso(p, h + QPointF(0, 9), 19, 25);
    limb(p, {h + QPointF(-4, 33), h + QPointF(-7, 45), h + QPointF(-8, 57)}, 4.6);
    limb(p, {h + QPointF(4, 33), h + QPointF(7, 45), h + QPointF(8, 57)}, 4.6);
    limb(p, {h + QPointF(8, 12), h + QPointF(14, 23), h + QPointF(12, 33)}, 3.4);
}

// The call: a raised fist and a shouted "OUT", then the arm thrown out to the side.
void umpire_fist(QPainter& p) {
    const QPointF h = lcd::umpire_head;
    limb(p, {h + QPointF(-8, 12), h + QPointF(-17, 4), h + QPointF(-16, -10)}, 3.4);
    blob(p, h + QPointF(-16, -11), 3.4, 3.4);
    p.drawPath(lcd_text_path(QStringLiteral("OUT!"), 11).translated(h + QPointF(11, -2)));
}

void umpire_point(QPainter& p) {
    const QPointF h = lcd::umpire_head;
    limb(p, {h + QPointF(-8, 12), h + QPointF(-22, 11), h + QPointF(-36, 8)}, 3.4);
    limb(p, {h + QPointF(-36, 8), h + QPointF(-41, 7)}, 2.0);
}

void catcher_crouched(QPainter& p) {
    const QPointF h = lcd::catcher_head;
    masked_head(p, h, 6.2);
    blob(p, h + QPointF(2, 14), 10, 8.5);
    limb(p, {h + QPointF(-3, 19), h + QPointF(-11, 25), h + QPointF(-8, 34)}, 4.6);
    limb(p, {h + QPointF(7, 19), h + QPointF(15, 25), h + QPointF(12, 34)}, 4.6);
    limb(p, {h + QPointF(-6, 11), h + QPointF(-14, 12), h + QPointF(-18, 8)}, 3.2);
    blob(p, h + QPointF(-20, 7), 5.5, 6.0);  // the mitt held up as a target
}

void thrower(QPainter& p) {
    const QPointF h = lcd::thrower_head;
    masked_head(p, h, 6.0);
    torso(p, h + QPointF(1, 8), 14, 22);
    limb(p, {h + QPointF(-2, 29), h + QPointF(-6, 40), h + QPointF(-10, 50)}, 4.4);
    limb(p, {h + QPointF(5, 29), h + QPointF(9, 40), h + QPointF(12, 50)}, 4.4);
    limb(p, {h + QPointF(-5, 11), h + QPointF(-14, 10), h + QPointF(-21, 6)}, 3.2);
    limb(p, {h + QPointF(7, 11), h + QPointF(13, 20)}, 3.2);
    blob(p, h + QPointF(14, 22), 4.5, 4.5);
}

}  // namespace

void add_umpire(Skin& skin) {
    put(skin, im_item_top_1_1, umpire_body);
    put(skin, im_item_top_1_2, umpire_fist);
    put(skin, im_item_top_1_3, umpire_point);
}

void add_catcher(Skin& skin) {
    put(skin, im_item_top_3_1, catcher_crouched);
    put(skin, im_item_top_3_2, thrower);
    // The ball's way back to the pitcher after a miss.
    constexpr std::array<QPointF, 3> flight{{{232.0, 60.0}, {215.0, 57.0}, {199.0, 64.0}}};
    constexpr std::array<ImageId, 3> ids{im_item_top_3_3, im_item_top_3_4, im_item_top_3_5};
    for (std::size_t i = 0; i < ids.size(); ++i)
        put(skin, ids[i], [c = flight[i]](QPainter& p) { blob(p, c, 3.4, 3.4); });
}

}  // namespace skingen
