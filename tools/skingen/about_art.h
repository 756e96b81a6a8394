// The picture of the about box: the batter from the screen, drawn large on a piece of the
// screen's glass, above the handheld itself.
#pragma once

#include <QImage>

#include "frontend/common/dialog_pictures.h"
#include "skin_part.h"

namespace skingen {

inline constexpr QSize about_picture_size = zuzazizo::dialog_pictures::about_handheld_size_px;

QImage about_picture(const Skin& skin);

}  // namespace skingen
