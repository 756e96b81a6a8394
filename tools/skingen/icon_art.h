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

// The sizes a web app manifest names, so that a phone can put the page on its home screen.
inline constexpr std::array<int, 2> web_icon_sizes_px{192, 512};

// Writes <dir>/hicolor/<N>x<N>/apps/zuzazizo.png for every size, and the web page's icons as
// <dir>/web/icon-<N>.png.
bool write_icons(const QDir& dir);

}  // namespace skingen
