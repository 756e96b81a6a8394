// The whole default skin: case, buttons and every LCD segment.
#pragma once

#include "skin_part.h"

namespace skingen {

Skin draw_skin();

}  // namespace skingen
