// Where the main window stands: parked out of sight while it is laid out, then centred, and in
// fullscreen mode also in the window manager's fullscreen state. Under a Wayland compositor's
// XWayland a shown window is placed by the compositor alone, and only its state changes.
#pragma once

#include <QWidget>

namespace zuzazizo {

// Out of the window manager's fullscreen first, then beyond the screen's top-left corner.
void park_off_screen(QWidget& window);

// Centred on the primary screen; in fullscreen mode the window manager is told so as well, which
// lets the window cover the panels, and a compositor that places windows itself puts it at the
// screen's origin. Told last, as any later move or resize of the window would take it back.
void place_on_screen(QWidget& window, bool fullscreen);

}  // namespace zuzazizo
