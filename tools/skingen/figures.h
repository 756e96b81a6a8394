// The figures of the LCD: the pitcher, the batter at his three places, the umpire and the
// catcher, and the balls in the three lanes.
#pragma once

#include "skin_part.h"

namespace skingen {

void add_pitcher(Skin& skin);
void add_batters(Skin& skin);
void add_umpire(Skin& skin);
void add_catcher(Skin& skin);
void add_balls(Skin& skin);

}  // namespace skingen
