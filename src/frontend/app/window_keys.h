// The main window's keyboard: Qt's key events through the held-key rule, then each stroke to the
// first that takes it: the zoom keys, the close command, the menu shortcuts, the handheld.
#pragma once

#include <QKeyEvent>
#include <functional>

#include "core/input/dispatch.h"
#include "frontend/app/menu_commands.h"
#include "frontend/app/window_zoom.h"
#include "frontend/common/held_keys_qt.h"

namespace zuzazizo {

class WindowKeys {
  public:
    // `close`: the window's close request (Alt+F4 where no window manager takes it).
    WindowKeys(WindowZoom& zoom, MenuCommands& commands, InputDispatch& dispatch,
               std::function<void()> close);

    void key_press(const QKeyEvent& event) { held_keys_.key_press(event); }
    void key_release(const QKeyEvent& event) { held_keys_.key_release(event); }
    // A mouse press or release: a release held back before it was real.
    void settle() { held_keys_.settle(); }
    // The window lost the keyboard.
    void forget() { held_keys_.forget(); }

  private:
    void key_down(const KeyStroke& stroke);
    void key_up(const KeyStroke& stroke);

    WindowZoom& zoom_;
    MenuCommands& commands_;
    InputDispatch& dispatch_;
    std::function<void()> close_;
    // Key events become strokes: a down per press and repeat, the repeats marked, one up.
    QtHeldKeys held_keys_;
};

}  // namespace zuzazizo
