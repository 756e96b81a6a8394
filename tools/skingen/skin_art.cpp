#include "skin_art.h"

#include "case_art.h"
#include "figures.h"
#include "panel.h"

namespace skingen {

Skin draw_skin() {
    Skin skin;
    add_case(skin);
    add_status_line(skin);
    add_number_panel(skin);
    add_miss_marks(skin);
    add_pitcher(skin);
    add_batters(skin);
    add_umpire(skin);
    add_catcher(skin);
    add_balls(skin);
    return skin;
}

}  // namespace skingen
