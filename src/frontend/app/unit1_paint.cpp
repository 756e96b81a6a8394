// Painting the handheld from the image model, and the window's shape in windowed mode.
#include <QBitmap>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "frontend/app/game_painting.h"
#include "frontend/app/unit1.h"

namespace zuzazizo {

namespace {

// Windows colour values are 00BBGGRR.
QColor colour_of(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, colour_of(surface_.colour));
    paint_images(painter, images_, dirty, view_, devicePixelRatioF());
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
        paint_images(painter, images_, frame.rect(), view_, 1.0);
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
