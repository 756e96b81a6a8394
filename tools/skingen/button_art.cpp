#include "button_art.h"

#include <QPainterPath>

#include "art_scale.h"
#include "fonts.h"

namespace skingen {

namespace {

QRectF cap_rect(const ButtonDesign& design) {
    if (design.shape == ButtonShape::round) {
        const qreal r = round_cap_radius_px;
        return {design.centre.x() - r, design.centre.y() - r, 2 * r, 2 * r};
    }
    return {design.centre - QPointF(pill_cap_px.width() / 2, pill_cap_px.height() / 2),
            pill_cap_px};
}

QPainterPath rounded(const QRectF& r) {
    QPainterPath path;
    const qreal radius = std::min(r.width(), r.height()) / 2;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath cap_path(const ButtonDesign& design) {
    return rounded(cap_rect(design));
}

QPainterPath socket_path(const ButtonDesign& design) {
    return rounded(cap_rect(design).adjusted(-socket_px, -socket_px, socket_px, socket_px));
}

void arrow_glyph(QPainter& p, const ButtonDesign& design, QPointF shift) {
    const qreal dir = design.top == zuzazizo::ImageId::btn_left_top ? -1.0 : 1.0;
    const QPointF c = design.centre + shift;
    QPainterPath tri;
    tri.moveTo(c + QPointF(dir * 11, 0));
    tri.lineTo(c + QPointF(-dir * 7, -10));
    tri.lineTo(c + QPointF(-dir * 7, 10));
    tri.closeSubpath();
    p.fillPath(tri, QColor(255, 255, 255, 120));
}

// Light falls from the top left: the top of a raised cap shines, a pushed-in cap is shaded at
// its top where the rim hides it.
void fill_cap(QPainter& p, const ButtonDesign& design, bool pressed) {
    const QColor base = QColor::fromRgb(design.cap);
    const QRectF r = cap_rect(design);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (pressed) {
        g.setColorAt(0, base.darker(175));
        g.setColorAt(0.35, base.darker(135));
        g.setColorAt(1, base.darker(115));
    } else {
        g.setColorAt(0, base.lighter(145));
        g.setColorAt(0.5, base);
        g.setColorAt(1, base.darker(140));
    }
    p.fillPath(cap_path(design), g);
    if (!pressed) {
        QRadialGradient shine(r.center() - QPointF(r.width() * 0.2, r.height() * 0.25),
                              r.height() * 0.45);
        shine.setColorAt(0, QColor(255, 255, 255, 110));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(cap_path(design), shine);
    }
    if (design.shape == ButtonShape::round)
        arrow_glyph(p, design, pressed ? QPointF(1, 1) : QPointF());
}

QImage button_picture(const ButtonDesign& design, const std::function<void(QPainter&)>& draw) {
    const QRect rect = button_rect(design);
    QImage image = art_canvas(rect.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-rect.topLeft());
    draw(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString png_for(zuzazizo::ImageId id) {
    return QString::fromLatin1(zuzazizo::name_of(id)) + ".png";
}

}  // namespace

QRect button_rect(const ButtonDesign& design) {
    return socket_path(design).boundingRect().adjusted(-1, -1, 1, 1).toAlignedRect();
}

void draw_raised_cap(QPainter& p, const ButtonDesign& design) {
    fill_cap(p, design, false);
}

void draw_socket_ring(QPainter& p, const ButtonDesign& design) {
    const QRectF s = socket_path(design).boundingRect();
    QLinearGradient g(s.topLeft(), s.bottomLeft());
    g.setColorAt(0, QColor(8, 12, 20));
    g.setColorAt(1, QColor(70, 86, 110));
    p.fillPath(socket_path(design).subtracted(cap_path(design)), g);
}

void draw_button_label(QPainter& p, const ButtonDesign& design) {
    const QRectF cap = cap_rect(design);
    const bool round = design.shape == ButtonShape::round;
    const QRectF box(cap.center().x() - 40, round ? cap.bottom() + 7 : cap.top() - 19, 80, 12);
    p.setFont(ui_font(9, true));
    p.setPen(QColor(236, 238, 240));
    p.drawText(box, Qt::AlignCenter, QString::fromLatin1(design.label));
}

void add_buttons(Skin& skin) {
    for (const ButtonDesign& design : buttons) {
        const QRect rect = button_rect(design);
        skin[design.top] = {rect,
                            button_picture(design,
                                           [&](QPainter& p) {
                                               draw_socket_ring(p, design);
                                               if (design.top == design.down)
                                                   draw_raised_cap(p, design);
                                           }),
                            png_for(design.top)};
        if (design.top == design.down) continue;
        skin[design.down] = {rect,
                             button_picture(design,
                                            [&](QPainter& p) {
                                                draw_socket_ring(p, design);
                                                fill_cap(p, design, true);
                                            }),
                             png_for(design.down)};
    }
}

}  // namespace skingen
