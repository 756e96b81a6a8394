// The program's icon for the desktop: the handheld seen from the front, drawn as a vector
// picture so that every size of the icon theme is sharp.
#pragma once

#include <QDir>
#include <QImage>
#include <array>

namespace skingen {

// The sizes a desktop's icon theme asks for most, in pixels.
inline constexpr std::array<int, 6> icon_sizes_px{16, 32, 48, 64, 128, 256};

QImage icon_picture(int size_px);

// Writes <dir>/hicolor/<N>x<N>/apps/zuzazizo.png for every size.
bool write_icons(const QDir& dir);

}  // namespace skingen
