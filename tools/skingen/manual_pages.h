// The eight pages of the handheld's instruction leaflet, 1.bmp to 8.bmp.
#pragma once

#include <QDir>

#include "skin_part.h"

namespace skingen {

bool write_manual(const Skin& skin, const QDir& manual_dir);

}  // namespace skingen
