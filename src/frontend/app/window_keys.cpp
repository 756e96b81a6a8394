#include "frontend/app/window_keys.h"

#include "core/input/virtual_keys.h"

namespace zuzazizo {

WindowKeys::WindowKeys(WindowZoom& zoom, MenuCommands& commands, InputDispatch& dispatch,
                       std::function<void()> close)
    : zoom_(zoom),
      commands_(commands),
      dispatch_(dispatch),
      close_(std::move(close)),
      held_keys_([this](const KeyStroke& stroke) { key_down(stroke); },
                 [this](const KeyStroke& stroke) { key_up(stroke); }, platform_pair_window_ms()) {}

void WindowKeys::key_down(const KeyStroke& stroke) {
    if (zoom_.key_press(stroke)) return;
    // Alt+F4 is the desktop's command to close a window; where no window manager takes it, it
    // closes this one, and is not F4.
    if (stroke.key == vk::f4 && stroke.modifiers == Qt::AltModifier) {
        if (!stroke.repeat) close_();
        return;
    }
    // A shortcut is its key alone: Shift+Esc is no Exit. Repeats of a held one do not act again.
    if (!stroke.repeat && pressed_alone(stroke.modifiers) && commands_.shortcut(stroke.key)) return;
    // Repeats go through: the firmware's latches make one press of them.
    if (stroke.key != 0) dispatch_.FormKeyDown(stroke.key);
}

void WindowKeys::key_up(const KeyStroke& stroke) {
    if (zoom_.key_release(stroke)) return;
    if (stroke.key != 0) dispatch_.FormKeyUp(stroke.key);
}

}  // namespace zuzazizo
