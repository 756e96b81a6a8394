// Painting the handheld from the image model, and the window's shape in windowed mode.
#include <QBitmap>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "app/unit1.h"
#include "skin/picture_loader_qt.h"

namespace zuzazizo {

namespace {

// Windows colour values are 00BBGGRR.
QColor colour_of(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QRect rect_of(const Rect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

void draw_image(QPainter& painter, const Image& image, const QRect& dirty) {
    if (!image.visible || !image.picture || image.bounds.empty()) return;
    const QRect bounds = rect_of(image.bounds);
    const QRect clip = bounds.intersected(dirty);
    if (clip.isEmpty()) return;
    const QImage* picture = qimage_of(image.picture);
    if (!picture) return;
    painter.setClipRect(clip);
    switch (image.draw_rule) {
        case DrawRule::at_own_size:
            painter.drawImage(bounds.topLeft(), *picture);
            break;
        case DrawRule::stretched:
            painter.drawImage(bounds, *picture);
            break;
        case DrawRule::centred: {
            const QPoint corner =
                bounds.center() - QPoint(picture->width() / 2, picture->height() / 2);
            painter.drawImage(corner, *picture);
            break;
        }
    }
}

void paint_model(QPainter& painter, const ImageModel& images, const QRect& dirty) {
    for (std::size_t i = 0; i < image_count; ++i)
        draw_image(painter, images[static_cast<ImageId>(i)], dirty);
}

}  // namespace

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, colour_of(surface_.colour));
    paint_model(painter, images_, dirty);
}

void TForm1::update_window_shape() {
    if (!surface_.colour_key_on) {
        clearMask();
        return;
    }
    // Pixels in exactly the key colour are neither drawn nor hit: the window takes the shape of
    // what the skin paints. The case is what gives the shape, so one pass after each layout does.
    QImage frame(size(), QImage::Format_RGB32);
    const QColor key = colour_of(surface_.colour_key);
    frame.fill(key);
    {
        QPainter painter(&frame);
        paint_model(painter, images_, frame.rect());
    }
    const QImage mask = frame.createMaskFromColor(key.rgb(), Qt::MaskInColor);
    const QRegion shape(QBitmap::fromImage(mask));
    if (shape.isEmpty()) {
        clearMask();  // nothing but key colour: keep the window whole rather than invisible
    } else {
        setMask(shape);
    }
}

}  // namespace zuzazizo
