// The buttons of the case: the raised cap printed into the case picture, the socket ring that
// is the released picture, and the pushed-in cap that is the pressed picture.
//
// The released picture stays visible while its button is held and lies above the pressed one,
// so it must be see-through over the cap: only the ring around the cap is in it.
#pragma once

#include <QPainter>

#include "case_layout.h"
#include "skin_part.h"

namespace skingen {

QRect button_rect(const ButtonDesign& design);
void draw_raised_cap(QPainter& p, const ButtonDesign& design);
void draw_socket_ring(QPainter& p, const ButtonDesign& design);
void draw_button_label(QPainter& p, const ButtonDesign& design);
void add_buttons(Skin& skin);

}  // namespace skingen
