#include "panel.h"

#include <array>
#include <vector>

#include "digit_ids.h"
#include "ink.h"
#include "lcd_layout.h"

namespace skingen {

using enum ImageId;

namespace {

constexpr qreal status_size_px = 8.6;

void speaker_icon(QPainter& p, QPointF o) {
    p.drawRect(QRectF(o.x(), o.y() - 6, 3, 4));
    QPainterPath cone;
    cone.moveTo(o + QPointF(2.5, -6));
    cone.lineTo(o + QPointF(6.5, -9));
    cone.lineTo(o + QPointF(6.5, 1));
    cone.lineTo(o + QPointF(2.5, -2));
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(o.x() + 4, o.y() - 7.5, 5, 5), -50 * 16, 100 * 16);
    p.drawArc(QRectF(o.x() + 3.5, o.y() - 10, 9, 10), -50 * 16, 100 * 16);
}

void bell_icon(QPainter& p, QPointF o) {
    QPainterPath bell;
    bell.moveTo(o + QPointF(0, 0));
    bell.cubicTo(o + QPointF(2, -1), o + QPointF(1.5, -9), o + QPointF(5, -9));
    bell.cubicTo(o + QPointF(8.5, -9), o + QPointF(8, -1), o + QPointF(10, 0));
    bell.closeSubpath();
    p.drawPath(bell);
    blob(p, o + QPointF(5, 1.2), 1.5, 1.3);
    blob(p, o + QPointF(5, -9.3), 1.0, 1.0);
}

struct StatusItem {
    ImageId id;
    const char* word;  // null for the two symbols
};

// Game words at the left above the umpire, clock words at the right; the sound symbol beside
// the games it belongs to, the bell beside the alarm.
constexpr std::array<StatusItem, 9> status_items{{
    {im_panel_game_a, "GAME A"},
    {im_panel_game_b, "GAME B"},
    {im_panel_sound, nullptr},
    {im_panel_time_1, "TIME 1"},
    {im_panel_time_2, "TIME 2"},
    {im_panel_alarm, "ALARM"},
    {im_panel_bell, nullptr},
    {im_panel_date, "DATE"},
    {im_panel_chrono, "CHRONO"},
}};

constexpr qreal icon_width_px = 11.0;
constexpr qreal status_margin_px = 5.0;

}  // namespace

void add_status_line(Skin& skin) {
    std::vector<qreal> widths;
    qreal total = 0;
    for (const auto& item : status_items) {
        const qreal w = item.word ? lcd_text_path(QString::fromLatin1(item.word), status_size_px)
                                        .boundingRect()
                                        .width()
                                  : icon_width_px;
        widths.push_back(w);
        total += w;
    }
    const qreal gap = (lcd_rect.width() - 2 * status_margin_px - total) / (widths.size() - 1);
    qreal x = status_margin_px;
    for (std::size_t i = 0; i < status_items.size(); ++i) {
        const auto& item = status_items[i];
        const QPointF o(x, lcd::status_baseline);
        skin[item.id] = ink_segment(item.id, [item, o](QPainter& p) {
            if (item.id == im_panel_sound) return speaker_icon(p, o);
            if (item.id == im_panel_bell) return bell_icon(p, o);
            const QPainterPath text = lcd_text_path(QString::fromLatin1(item.word), status_size_px);
            p.drawPath(text.translated(o.x() - text.boundingRect().left(), o.y()));
        });
        x += widths[i] + gap;
    }
}

namespace {

// Segment bits a to g of each digit, as they are printed on a seven-segment display.
constexpr std::array<unsigned, 10> digit_segments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                  0x6D, 0x7D, 0x07, 0x7F, 0x6F};

constexpr qreal slant = 0.1;

QPainterPath bar(QPointF a, QPointF b, qreal t) {
    const QPointF d = (b - a) / std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    const QPointF n(-d.y() * t / 2, d.x() * t / 2);
    const QPointF along = d * (t / 2);
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(a + along + n);
    path.lineTo(b - along + n);
    path.lineTo(b);
    path.lineTo(b - along - n);
    path.lineTo(a + along - n);
    path.closeSubpath();
    return path;
}

// A seven-segment digit in the box, leaning slightly to the right like a printed LCD digit.
void seven_segment(QPainter& p, const QRectF& box, unsigned bits, qreal t) {
    const qreal g = t * 0.3;
    const qreal xl = box.left() + t / 2, xr = box.right() - t / 2 - box.height() * slant;
    const qreal yt = box.top() + t / 2, yb = box.bottom() - t / 2, ym = box.center().y();
    const std::array<QPainterPath, 7> bars{
        bar({xl + g, yt}, {xr - g, yt}, t), bar({xr, yt + g}, {xr, ym - g}, t),
        bar({xr, ym + g}, {xr, yb - g}, t), bar({xl + g, yb}, {xr - g, yb}, t),
        bar({xl, ym + g}, {xl, yb - g}, t), bar({xl, yt + g}, {xl, ym - g}, t),
        bar({xl + g, ym}, {xr - g, ym}, t)};
    const QTransform lean(1, 0, -slant, 1, slant * box.bottom(), 0);
    for (std::size_t s = 0; s < bars.size(); ++s)
        if (bits & (1u << s)) p.drawPath(lean.map(bars[s]));
}

QRect digit_place(std::size_t i) {
    if (i == 4) return QRect(lcd::small_digit_pos, lcd::small_digit_size_px);
    return QRect(QPoint(lcd::digit_left[i], lcd::digit_top), lcd::digit_size_px);
}

// The ink stays two pixels clear of the right and bottom edges for the shadow.
void add_digit_set(Skin& skin, const std::array<ImageId, 10>& ids, const QRect& place, qreal t) {
    const QRectF box(place.left(), place.top(), place.width() - 2, place.height() - 2);
    for (std::size_t d = 0; d < ids.size(); ++d) {
        skin[ids[d]] = ink_segment_in(ids[d], place, [box, d, t](QPainter& p) {
            seven_segment(p, box, digit_segments[d], t);
        });
    }
}

}  // namespace

void add_number_panel(Skin& skin) {
    for (std::size_t i = 0; i < digit_place_ids.size(); ++i)
        skin[digit_place_ids[i]] = {to_game_area(digit_place(i)), {}, {}};
    add_digit_set(skin, large_digit_ids, digit_place(0), 3.7);
    add_digit_set(skin, small_digit_ids, digit_place(4), 2.4);
    skin[im_panel_time_colon] = ink_segment(im_panel_time_colon, [](QPainter& p) {
        const QPointF c = lcd::colon_centre;
        blob(p, c + QPointF(0.7, -6), 1.9, 1.9);
        blob(p, c + QPointF(-0.7, 6), 1.9, 1.9);
    });
    const QPointF am(lcd::digit_left[0] - 20, lcd::digit_top + 10);
    skin[im_panel_time_am] = ink_segment(im_panel_time_am, [am](QPainter& p) {
        p.drawPath(lcd_text_path(QStringLiteral("AM"), 8.2).translated(am));
    });
    skin[im_panel_time_pm] = ink_segment(im_panel_time_pm, [am](QPainter& p) {
        p.drawPath(lcd_text_path(QStringLiteral("PM"), 8.2).translated(am + QPointF(0, 13)));
    });
}

void add_miss_marks(Skin& skin) {
    constexpr std::array<ImageId, 3> ids{im_panel_miss_1, im_panel_miss_2, im_panel_miss_3};
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const QPointF c(246.0 + 17.0 * static_cast<qreal>(i), 30.0);
        skin[ids[i]] = ink_segment(ids[i], [c](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::black, 1.6));
            p.drawEllipse(c, 6.0, 6.0);
            limb(p, {c + QPointF(-3, -3), c + QPointF(3, 3)}, 2.0);
            limb(p, {c + QPointF(3, -3), c + QPointF(-3, 3)}, 2.0);
        });
    }
}

}  // namespace skingen
