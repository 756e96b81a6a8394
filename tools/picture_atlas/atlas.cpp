#include "atlas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace picture_atlas {

namespace {

bool more_than_8_bits(QImage::Format format) {
    switch (format) {
        case QImage::Format_Grayscale16:
        case QImage::Format_RGBX64:
        case QImage::Format_RGBA64:
        case QImage::Format_RGBA64_Premultiplied:
        case QImage::Format_RGBX16FPx4:
        case QImage::Format_RGBA16FPx4:
        case QImage::Format_RGBA16FPx4_Premultiplied:
        case QImage::Format_RGBX32FPx4:
        case QImage::Format_RGBA32FPx4:
        case QImage::Format_RGBA32FPx4_Premultiplied:
            return true;
        default:
            return false;
    }
}

int atlas_width(const std::vector<Picture>& pictures) {
    qint64 area = 0;
    int widest = 1;
    for (const Picture& p : pictures) {
        area += qint64(p.image.width()) * p.image.height();
        widest = std::max(widest, p.image.width());
    }
    return std::max(widest, int(std::ceil(std::sqrt(double(area) * 1.1))));
}

// Row by row, byte for byte: a painter would premultiply the pixels and lose the colour of the
// see-through ones.
void copy_into(QImage& atlas, QPoint at, const QImage& picture) {
    const auto row_bytes = std::size_t(picture.width()) * 4;
    for (int row = 0; row < picture.height(); ++row) {
        std::memcpy(atlas.scanLine(at.y() + row) + std::size_t(at.x()) * 4,
                    picture.constScanLine(row), row_bytes);
    }
}

}  // namespace

QImage read_exactly(const QString& file) {
    QImage image(file);
    if (image.isNull() || more_than_8_bits(image.format())) return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

Atlas pack(std::vector<Picture> pictures) {
    std::stable_sort(pictures.begin(), pictures.end(), [](const Picture& a, const Picture& b) {
        return a.image.height() > b.image.height();
    });
    const int width = atlas_width(pictures);
    Atlas atlas;
    int x = 0, y = 0, row_height = 0;
    for (const Picture& p : pictures) {
        if (x + p.image.width() > width) {
            x = 0;
            y += row_height;
            row_height = 0;
        }
        atlas.placed.push_back({p.path, QRect(QPoint(x, y), p.image.size())});
        x += p.image.width();
        row_height = std::max(row_height, p.image.height());
    }
    atlas.image = QImage(width, std::max(1, y + row_height), QImage::Format_ARGB32);
    atlas.image.fill(0);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        copy_into(atlas.image, atlas.placed[i].place.topLeft(), pictures[i].image);
    }
    return atlas;
}

}  // namespace picture_atlas
