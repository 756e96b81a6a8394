// The main window's mouse: presses and releases of the pictured buttons, the drag by the case,
// the game menu's button, the cursor and the hint of the image under the pointer.
#pragma once

#include <QHelpEvent>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

#include "core/input/dispatch.h"
#include "core/lcd/image_model.h"
#include "frontend/app/game_menu.h"
#include "frontend/app/window_drag.h"
#include "frontend/app/window_keys.h"
#include "frontend/app/window_zoom.h"

namespace zuzazizo {

class WindowPointer {
  public:
    struct Parts {
        QWidget& window;
        const ImageModel& images;
        const WindowZoom& zoom;
        InputDispatch& dispatch;
        WindowDrag& drag;
        GameMenu& game_menu;
        WindowKeys& keys;
    };
    // `fullscreen`: the display mode now; `game_menu_click`: the game menu's button was clicked.
    WindowPointer(Parts parts, std::function<bool()> fullscreen,
                  std::function<void()> game_menu_click);

    void press(const QMouseEvent& event);
    void release(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void hint(const QHelpEvent& event);

  private:
    Parts parts_;
    std::function<bool()> fullscreen_;
    std::function<void()> game_menu_click_;
};

}  // namespace zuzazizo
