#include "frontend/app/window_shape.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "frontend/app/game_painting.h"

namespace zuzazizo {

QColor colour_of(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

void WindowShape::apply(const ViewScale& view) {
    if (!surface_.colour_key_on) {
        window_.clearMask();
        return;
    }
    QImage frame(window_.size(), QImage::Format_RGB32);
    const QColor key = colour_of(surface_.colour_key);
    frame.fill(key);
    {
        QPainter painter(&frame);
        paint_images(painter, images_, frame.rect(), view, 1.0);
    }
    const QImage mask = frame.createMaskFromColor(key.rgb(), Qt::MaskInColor);
    const QRegion shape(QBitmap::fromImage(mask));
    if (shape.isEmpty()) {
        window_.clearMask();  // nothing but key colour: keep the window whole rather than invisible
    } else {
        window_.setMask(shape);
    }
}

}  // namespace zuzazizo
