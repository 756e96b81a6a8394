// The picture loader: how the layout turns a file named in Config.ini into a picture.
//
// The core never decodes pictures itself; it has no image library and must build without Qt. The
// front end implements this seam with Qt's image readers (picture_loader_qt.h); tests and the
// fuzzer use fakes that hand out bare sizes. Paths are UTF-8 with '/' separators, already resolved
// against the executable's directory.
#pragma once

#include <string>

#include "core/lcd/image_model.h"
#include "core/lcd/picture.h"

namespace zuzazizo {

// Either a picture or the reason there is none, worded for the user ("the file is empty").
struct LoadedPicture {
    PicturePtr picture;
    std::string error;

    bool ok() const { return picture != nullptr; }
};

class PictureLoader {
  public:
    virtual ~PictureLoader() = default;

    virtual bool exists(const std::string& path) const = 0;
    // Decodes an existing file. The transparency is the target image's rule: whether a bitmap's
    // bottom-left colour becomes see-through. Pictures with their own alpha keep it either way.
    virtual LoadedPicture load(const std::string& path, Transparency transparency) = 0;
    // Stands in for a picture that is named but absent, so that a broken skin shows where the
    // missing part belongs: 10 by 10, red inside a one-pixel black outline.
    virtual PicturePtr missing_image_marker() = 0;
};

}  // namespace zuzazizo
