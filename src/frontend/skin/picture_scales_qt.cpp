#include "frontend/skin/picture_scales_qt.h"

#include <algorithm>

namespace zuzazizo {

namespace {

QImage read_larger(const QtPicture& picture, int factor) {
    if (picture.source().empty()) return {};
    return read_larger_drawing(larger_file_name(picture.source(), factor), picture.transparency(),
                               picture.image().size() * factor);
}

}  // namespace

QImage read_larger_drawing(const std::string& path, Transparency transparency, QSize size) {
    QtPictureLoader loader;
    if (!loader.exists(path)) return {};
    const LoadedPicture loaded = loader.load(path, transparency);
    const QImage* image = loaded.ok() ? qimage_of(loaded.picture) : nullptr;
    if (!image || image->size() != size) return {};
    return *image;
}

const QImage& picture_at_factor(const QtPicture& picture, int factor) {
    factor = std::clamp(factor, 1, largest_picture_factor);
    if (factor == 1) return picture.image();
    QImage& slot = picture.larger_slot(factor);
    if (slot.isNull()) {
        slot = read_larger(picture, factor);
        if (slot.isNull()) {
            slot = picture.image().scaled(picture.image().size() * factor, Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation);
        }
    }
    return slot;
}

}  // namespace zuzazizo
