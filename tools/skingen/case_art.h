// The case picture, the glass sheen laid over the LCD and the backlight beneath its segments.
#pragma once

#include "skin_part.h"

namespace skingen {

void add_case(Skin& skin);

}  // namespace skingen
