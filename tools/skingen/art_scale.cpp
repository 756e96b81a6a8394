#include "art_scale.h"

namespace skingen {

namespace {

int current_scale = 1;

}  // namespace

int art_scale() {
    return current_scale;
}

ArtScale::ArtScale(int scale) : previous_(current_scale) {
    current_scale = scale;
}

ArtScale::~ArtScale() {
    current_scale = previous_;
}

QImage art_canvas(QSize size_px, QImage::Format format) {
    QImage image(size_px * current_scale, format);
    image.setDevicePixelRatio(current_scale);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace skingen
