// The eight pages of the handheld's instruction leaflet, 1.bmp to 8.bmp, and again with twice the
// pixels as 1@2x.png to 8@2x.png (core/skin/picture_scales.h).
#pragma once

#include <QDir>

#include "skin_part.h"

namespace skingen {

// At `factor` 1 the pages themselves, at manual_larger_factor their larger drawings, drawn anew
// at that scale from a skin drawn at it.
bool write_manual(const Skin& skin, const QDir& manual_dir, int factor = 1);

}  // namespace skingen
