// The picture loader of the program: Config.ini's pictures decoded with Qt's image readers.
//
// Pictures come out premultiplied ARGB, ready for the window to paint, with the transparency rules
// of the skin already applied to the pixels, so painting needs no colour keys of its own. Every
// failure (unknown extension, damaged or empty file, a picture too large to be a skin part) comes
// back as a reason for the user; nothing here may crash or allocate without bound on a bad file.
#pragma once

#include <QImage>
#include <array>
#include <optional>
#include <string>

#include "core/skin/picture_loader.h"

namespace zuzazizo {

class QtPicture : public Picture {
  public:
    explicit QtPicture(QImage image, std::string source = {},
                       Transparency transparency = Transparency::bottom_left_key)
        : Picture(image.width(), image.height()),
          image_(std::move(image)),
          source_(std::move(source)),
          transparency_(transparency) {}

    const QImage& image() const { return image_; }
    // The file it was decoded from (empty for a picture made in memory) and its rule, for finding
    // the larger drawings beside it.
    const std::string& source() const { return source_; }
    Transparency transparency() const { return transparency_; }
    // The larger drawings (2 to 4 times), made when first asked for: see picture_scales_qt.h.
    QImage& larger_slot(int factor) const { return larger_[static_cast<std::size_t>(factor - 2)]; }

  private:
    QImage image_;
    std::string source_;
    Transparency transparency_;
    mutable std::array<QImage, 3> larger_;
};

// The decoded image behind a picture of this loader; null for any other kind of picture.
inline const QImage* qimage_of(const PicturePtr& picture) {
    const auto* qt_picture = dynamic_cast<const QtPicture*>(picture.get());
    return qt_picture ? &qt_picture->image() : nullptr;
}

// Larger pictures are refused before decoding: a small file may claim enormous dimensions.
inline constexpr int max_picture_side_px = 16384;
inline constexpr qint64 max_picture_pixels = 64ll * 1024 * 1024;

class PicturePrefetch;

class QtPictureLoader : public PictureLoader {
  public:
    // Takes what it can from `prefetch`, when given, instead of decoding it again.
    explicit QtPictureLoader(PicturePrefetch* prefetch = nullptr);

    bool exists(const std::string& path) const override;
    // Takes the picture from the prefetch when it was decoded ahead of time, and decodes it here
    // otherwise; the result is the same either way.
    LoadedPicture load(const std::string& path, Transparency transparency) override;
    PicturePtr missing_image_marker() override;

  private:
    PicturePrefetch* prefetch_;
    PicturePtr marker_;
};

// The decoding behind load(), safe to call from any thread once a QtPictureLoader has been made
// (which sets the readers' allocation limit).
LoadedPicture decode_picture(const std::string& path, Transparency transparency);

// A picture whose file has been checked as far as its header, and whose pixels are decoded when
// they are first asked for. Its size is the one the header claims.
class DeferredPicture final : public Picture {
  public:
    DeferredPicture(QSize size, std::string path, Transparency transparency);

    // The decoded picture, or the reason its pixels could not be read after all. GUI thread only.
    const LoadedPicture& decoded() const;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    Transparency transparency_;
    mutable std::optional<LoadedPicture> decoded_;
};

// The loader for a window that may never be shown: it fails a file for every reason a decode
// finds before the pixels (extension, empty file, unreadable header, size), so such errors come
// at the same moment and in the same order, and leaves the pixels to the first use.
class DeferredPictureLoader final : public QtPictureLoader {
  public:
    LoadedPicture load(const std::string& path, Transparency transparency) override;
};

// The marker's pixels, exposed so that tests can check them.
QImage make_missing_image_marker();

}  // namespace zuzazizo
