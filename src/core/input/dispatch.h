// From a key or a click to one press or release of the handheld's buttons.
//
// The window hands over the virtual-key code of each key event and, for the mouse, the image it
// hit (ImageModel::hit_test) and which mouse button changed. Keys are compared with the six
// bindings in slot order, so when two slots share a key only the earlier one acts. Auto-repeated
// key-downs are passed on unfiltered: the engine's latches turn them into one press.
#pragma once

#include <cstdint>
#include <optional>

#include "core/engine/engine.h"
#include "core/input/key_bindings.h"
#include "core/lcd/image_id.h"

namespace zuzazizo {

enum class MouseButton { left, right, middle, other };

// The button whose pictured top image this is, if it is one of the six working buttons.
std::optional<Button> button_of_top_image(ImageId image);

class InputDispatch {
  public:
    InputDispatch(const KeyBindings& bindings, Engine& engine)
        : bindings_(bindings), engine_(engine) {}

    // The button bound to a key: the first slot in the order GAME A .. RIGHT that holds it.
    std::optional<Button> bound_button(std::uint16_t virtual_key) const;

    void FormKeyDown(std::uint16_t key);
    void FormKeyUp(std::uint16_t key);

    // A mouse button went down over `hit` (nullopt: over nothing that takes the mouse). A left
    // press on a working button presses it and captures the mouse until the left button comes
    // up, so the release reaches that button wherever the pointer has gone meanwhile.
    void mouse_down(std::optional<ImageId> hit, MouseButton button);
    void mouse_up(MouseButton button);
    // The button held by the mouse capture, if any.
    std::optional<Button> captured() const { return captured_; }

  private:
    const KeyBindings& bindings_;
    Engine& engine_;
    std::optional<Button> captured_;
};

}  // namespace zuzazizo
