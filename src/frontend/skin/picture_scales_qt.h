// The larger drawings of a skin picture, for zoomed windows and HiDPI screens.
//
// Beside `name.png` a skin may hold `name@2x.png`, `name@3x.png` and `name@4x.png`: the same art
// drawn at that many times the size. They are read only when a window first paints at such a
// scale, so that a program at 1x never touches them. A picture without its larger file (a skin of
// someone else's, the missing-image marker) is enlarged smoothly once instead and kept.
#pragma once

#include <QImage>

#include "frontend/skin/picture_loader_qt.h"

namespace zuzazizo {

inline constexpr int largest_picture_factor = 4;

// The picture at 1 to 4 times its size (1 is the picture itself).
const QImage& picture_at_factor(const QtPicture& picture, int factor);

// "dir/name.png" to "dir/name@2x.png".
std::string larger_file_name(const std::string& path, int factor);

}  // namespace zuzazizo
