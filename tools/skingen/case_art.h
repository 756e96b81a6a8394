// The case picture, the glass sheen laid over the LCD and the backlight beneath its segments.
#pragma once

#include "skin_part.h"

namespace skingen {

// The windowed program shows everything of this colour as see-through.
inline constexpr QRgb colour_key = 0xffff00ff;

void add_case(Skin& skin);

}  // namespace skingen
