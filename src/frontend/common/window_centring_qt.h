// Placing a window on the primary screen: centred by the one rule every window follows
// (centred_on), out of sight before its first showing, or in front of the others.
#pragma once

#include <QRect>
#include <QWidget>

namespace zuzazizo {

// The primary screen's area; 1024 by 768 at 0, 0 should the platform report no screen at all.
QRect primary_screen_rect();

void centre_on_primary_screen(QWidget& window);
// Shows the window, above the others and active.
void bring_to_front(QWidget& window);
// Out of sight beyond the primary screen's top-left corner: by the screen's own size, so that no
// window of any size reaches into it.
void move_off_primary_screen(QWidget& window);

}  // namespace zuzazizo
