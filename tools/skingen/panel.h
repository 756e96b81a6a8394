// The status line, the score panel and the miss marks of the LCD.
#pragma once

#include "skin_part.h"

namespace skingen {

void add_status_line(Skin& skin);
void add_number_panel(Skin& skin);
void add_miss_marks(Skin& skin);

}  // namespace skingen
