#include "frontend/skin/picture_loader_qt.h"

#include "frontend/skin/picture_prefetch.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <memory>
#include <string>
#include <utility>

#include "core/skin/picture_formats.h"

namespace zuzazizo {

namespace {

// Above the largest picture accepted (64 M pixels of 4 bytes), so it only stops what slips past
// the size check, such as a reader that cannot tell the size before decoding.
constexpr int allocation_limit_mb = 300;

bool too_large(const QSize& size) {
    return size.width() > max_picture_side_px || size.height() > max_picture_side_px ||
           qint64{size.width()} * size.height() > max_picture_pixels;
}

void key_out_bottom_left_colour(QImage& image) {
    const QRgb key = image.pixel(0, image.height() - 1) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) line[x] = 0;
        }
    }
}

LoadedPicture failure(const QString& reason) {
    return {nullptr, reason.toStdString()};
}
LoadedPicture failure(std::string reason) {
    return {nullptr, std::move(reason)};
}

// Qt's reader of a format, by the name the messages give it ("JPEG": "jpeg").
QByteArray reader_format_of(const PictureFormat& format) {
    return QByteArray(format.name.data(), static_cast<qsizetype>(format.name.size())).toLower();
}

}  // namespace

QtPictureLoader::QtPictureLoader(PicturePrefetch* prefetch) : prefetch_(prefetch) {
    QImageReader::setAllocationLimit(allocation_limit_mb);
}

bool QtPictureLoader::exists(const std::string& path) const {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

LoadedPicture QtPictureLoader::load(const std::string& path, Transparency transparency) {
    if (prefetch_) {
        if (std::optional<LoadedPicture> ready = prefetch_->take({path, transparency})) {
            return std::move(*ready);
        }
    }
    return decode_picture(path, transparency);
}

namespace {

// A file opened as far as its header: the checks a decode makes before the pixels.
struct OpenedPicture {
    const PictureFormat* format = nullptr;
    std::unique_ptr<QImageReader> reader;  // null when `failed` says why
    QSize size;                            // as the header claims; invalid where it cannot tell
    LoadedPicture failed;
};

OpenedPicture open_picture(const QString& file) {
    OpenedPicture opened;
    const std::string path = file.toStdString();
    if (std::string reason = unreadable_extension_reason(path); !reason.empty()) {
        opened.failed = failure(std::move(reason));
        return opened;
    }
    opened.format = picture_format_of(path);
    if (QFileInfo(file).size() == 0) {
        opened.failed = failure(std::string(empty_picture_reason));
        return opened;
    }
    auto reader = std::make_unique<QImageReader>(file, reader_format_of(*opened.format));
    reader->setDecideFormatFromContent(false);
    opened.size = reader->size();
    if (opened.size.isValid() && too_large(opened.size)) {
        opened.failed = failure(QStringLiteral("the picture claims %1 by %2 pixels, more than a "
                                               "skin picture may have (%3 a side).")
                                    .arg(opened.size.width())
                                    .arg(opened.size.height())
                                    .arg(max_picture_side_px));
        return opened;
    }
    opened.reader = std::move(reader);
    return opened;
}

LoadedPicture read_pixels(const OpenedPicture& opened, const std::string& path,
                          Transparency transparency) {
    QImage image = opened.reader->read();
    if (image.isNull() || too_large(image.size())) {
        return failure(
            damaged_picture_reason(*opened.format, opened.reader->errorString().toStdString()));
    }
    image = std::move(image).convertToFormat(QImage::Format_ARGB32);
    if (keys_out_bottom_left(path, transparency)) key_out_bottom_left_colour(image);
    image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return {std::make_shared<QtPicture>(std::move(image), path, transparency), {}};
}

}  // namespace

LoadedPicture decode_picture(const std::string& path, Transparency transparency) {
    const OpenedPicture opened = open_picture(QString::fromStdString(path));
    if (!opened.reader) return opened.failed;
    return read_pixels(opened, path, transparency);
}

DeferredPicture::DeferredPicture(QSize size, std::string path, Transparency transparency)
    : Picture(size.width(), size.height()), path_(std::move(path)), transparency_(transparency) {}

const LoadedPicture& DeferredPicture::decoded() const {
    if (!decoded_) decoded_ = decode_picture(path_, transparency_);
    return *decoded_;
}

LoadedPicture DeferredPictureLoader::load(const std::string& path, Transparency transparency) {
    const OpenedPicture opened = open_picture(QString::fromStdString(path));
    if (!opened.reader) return opened.failed;
    // A header that does not tell the size leaves only the decode to judge the file.
    if (!opened.size.isValid()) return read_pixels(opened, path, transparency);
    return {std::make_shared<DeferredPicture>(opened.size, path, transparency), {}};
}

PicturePtr QtPictureLoader::missing_image_marker() {
    if (!marker_) marker_ = std::make_shared<QtPicture>(make_missing_image_marker());
    return marker_;
}

QImage make_missing_image_marker() {
    constexpr int side_px = 10;
    QImage marker(side_px, side_px, QImage::Format_ARGB32_Premultiplied);
    marker.fill(Qt::red);
    // The outline runs along the edge pixels, as a one-pixel pen around the 10 by 10 rectangle.
    QPainter painter(&marker);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, side_px - 1, side_px - 1);
    return marker;
}

}  // namespace zuzazizo
