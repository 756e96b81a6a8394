// The picture of the about box: the batter from the screen, drawn large on a piece of the
// screen's glass, above the handheld itself.
#pragma once

#include <QImage>

#include "skin_part.h"

namespace skingen {

inline constexpr QSize about_picture_size{116, 160};

QImage about_picture(const Skin& skin);

}  // namespace skingen
