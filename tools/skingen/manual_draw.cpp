#include "manual_draw.h"

#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "art_scale.h"
#include "fonts.h"
#include "frontend/common/dialog_look.h"
#include "ink.h"
#include "preview.h"

namespace skingen::manual {

namespace {

const QColor paper{250, 247, 238};
const QColor heading_band = zuzazizo::dialog_blue;
const QColor stripe{200, 40, 36};

}  // namespace

QImage blank_page(int number, const QString& heading) {
    QImage page = art_canvas({page_width_px, page_height_px}, QImage::Format_RGB888);
    page.fill(paper);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, page_width_px, 28), heading_band);
    p.fillRect(QRect(0, 28, page_width_px, 2), stripe);
    p.setPen(Qt::white);
    p.setFont(ui_font(15, true));
    p.drawText(QRect(margin_px, 0, page_width_px - 60, 28), Qt::AlignVCenter | Qt::AlignLeft,
               heading);
    p.setPen(QColor(110, 110, 110));
    p.setFont(ui_font(9));
    p.drawText(QRect(0, page_height_px - 16, page_width_px, 14), Qt::AlignCenter,
               QStringLiteral("\u2013 %1 of %2 \u2013").arg(number).arg(page_count));
    return page;
}

void text(QPainter& p, const QRectF& box, const QString& html, int size_px) {
    QTextDocument doc;
    doc.setDefaultFont(ui_font(size_px));
    doc.setDocumentMargin(0);
    doc.setTextWidth(box.width());
    doc.setDefaultStyleSheet(QStringLiteral("b { color: %1; }").arg(zuzazizo::dialog_blue.name()));
    doc.setHtml(QStringLiteral("<div style='color:#222222'>%1</div>").arg(html));
    p.save();
    p.translate(box.topLeft());
    doc.drawContents(&p, QRectF(0, 0, box.width(), box.height()));
    p.restore();
}

void key_cap(QPainter& p, QPointF top_left, const QString& label) {
    p.save();
    const QRectF cap(top_left, QSizeF(std::max<qreal>(22, 8 + label.size() * 7.5), 18));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(236, 236, 232));
    p.drawRoundedRect(cap, 3, 3);
    p.setPen(QColor(20, 20, 20));
    p.setFont(ui_font(10, true));
    p.drawText(cap, Qt::AlignCenter, label);
    p.restore();
}

QImage handheld(const Skin& skin, int width_px, int ratio) {
    PreviewOptions options{[](ImageId) { return true; }};
    options.transparent_outside = true;
    QImage image =
        render_preview(skin, options).scaledToWidth(width_px * ratio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage screen(const Skin& skin, std::initializer_list<ImageId> lit, std::array<int, 5> digits,
              const QRect& part_lcd, qreal scale) {
    const std::vector<ImageId> shown(lit);
    PreviewOptions options{
        [shown](ImageId id) { return std::find(shown.begin(), shown.end(), id) != shown.end(); }};
    options.digits = digits;
    const QImage whole = render_preview(skin, options);
    const QRect part = part_lcd.translated(lcd_rect.topLeft());
    const int drawn = skin_scale(skin);
    // The size the page gives the picture is the same at every scale.
    const QSize size = part.size().scaled(part.size() * scale, Qt::KeepAspectRatio);
    QImage picture =
        whole.copy(QRect(part.topLeft() * drawn, part.size() * drawn))
            .scaled(size * art_scale(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(art_scale());
    return picture;
}

void framed(QPainter& p, QPointF top_left, const QImage& picture) {
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(top_left, picture.deviceIndependentSize()).adjusted(-1, -1, 1, 1));
    p.drawImage(top_left, picture);
    p.restore();
}

}  // namespace skingen::manual
