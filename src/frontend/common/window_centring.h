// Centring a top-level window on the primary screen by its outer size.
//
// A window manager adds its frame (border and title bar) only once the window is shown, and
// only then does Qt know the frame's size. Centred by its client size alone, a framed window
// stands half a frame too low and to the right; so the window is centred by what is known now
// and, when its frame appears, centred once more by the frame's size. With no window manager
// there is no frame, and the first centring is the last.
#pragma once

class QWidget;

namespace zuzazizo {

void centre_on_primary_screen(QWidget& window);

}  // namespace zuzazizo
