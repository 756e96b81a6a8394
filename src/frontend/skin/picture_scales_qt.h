// The larger drawings of a skin picture (core/skin/picture_scales.h), read only when a window
// first paints at such a scale, so that a program at 1x never touches them. A picture without its
// larger file (a skin of someone else's, the missing-image marker) is enlarged smoothly once
// instead and kept.
#pragma once

#include <QImage>

#include "core/skin/picture_scales.h"
#include "frontend/skin/picture_loader_qt.h"

namespace zuzazizo {

// The picture at 1 to largest_picture_factor times its size (1 is the picture itself).
const QImage& picture_at_factor(const QtPicture& picture, int factor);

// The larger drawing in the file, decoded as a skin picture by the rule, when it is there, readable
// and exactly `size` (a file of another size belongs to other art); a null image otherwise.
QImage read_larger_drawing(const std::string& path, Transparency transparency, QSize size);

}  // namespace zuzazizo
