#include "frontend/skin/picture_loader_qt.h"

#include "frontend/skin/picture_prefetch.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <array>
#include <memory>
#include <string_view>

namespace zuzazizo {

namespace {

// What a file's extension says about decoding it and about its transparency.
enum class Kind {
    keyed_bitmap,  // a bitmap: its bottom-left colour is see-through unless the image is opaque
    own_alpha,     // carries its own transparency, in any image
    opaque,        // never see-through
    no_decoder,    // a format accepted by the file but not readable here
};

struct Format {
    std::string_view extension;
    const char* reader_format;
    Kind kind;
};

// JPEG counts as opaque: its lossy pixels would match a bottom-left key only here and there,
// punching random holes into a backdrop rather than keying out a background.
constexpr std::array formats = {
    Format{"png", "png", Kind::own_alpha},    Format{"bmp", "bmp", Kind::keyed_bitmap},
    Format{"jpg", "jpeg", Kind::opaque},      Format{"jpeg", "jpeg", Kind::opaque},
    Format{"ico", "ico", Kind::own_alpha},    Format{"wmf", nullptr, Kind::no_decoder},
    Format{"emf", nullptr, Kind::no_decoder},
};

// Above the largest picture accepted (64 M pixels of 4 bytes), so it only stops what slips past
// the size check, such as a reader that cannot tell the size before decoding.
constexpr int allocation_limit_mb = 300;

const Format* format_of(const QString& path) {
    const std::string extension = QFileInfo(path).suffix().toLower().toStdString();
    for (const Format& format : formats) {
        if (format.extension == extension) return &format;
    }
    return nullptr;
}

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
    const Format* format = nullptr;
    std::unique_ptr<QImageReader> reader;  // null when `failed` says why
    QSize size;                            // as the header claims; invalid where it cannot tell
    LoadedPicture failed;
};

OpenedPicture open_picture(const QString& file) {
    OpenedPicture opened;
    opened.format = format_of(file);
    if (opened.format == nullptr) {
        opened.failed = failure(QStringLiteral("its extension \"%1\" has no decoder here (PNG, "
                                               "BMP, JPEG and ICO pictures can be read).")
                                    .arg(QFileInfo(file).suffix()));
        return opened;
    }
    if (opened.format->kind == Kind::no_decoder) {
        opened.failed = failure(QStringLiteral("its extension \"%1\" has no decoder here; save "
                                               "the picture as PNG or BMP instead.")
                                    .arg(QFileInfo(file).suffix()));
        return opened;
    }
    if (QFileInfo(file).size() == 0) {
        opened.failed = failure(QStringLiteral("the file is empty."));
        return opened;
    }
    auto reader = std::make_unique<QImageReader>(file, opened.format->reader_format);
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
        return failure(QStringLiteral("the file is damaged or is not a %1 picture (%2).")
                           .arg(QString::fromLatin1(opened.format->reader_format).toUpper(),
                                opened.reader->errorString()));
    }
    image = std::move(image).convertToFormat(QImage::Format_ARGB32);
    if (opened.format->kind == Kind::keyed_bitmap &&
        transparency == Transparency::bottom_left_key) {
        key_out_bottom_left_colour(image);
    }
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
