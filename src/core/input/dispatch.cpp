#include "core/input/dispatch.h"

#include <array>

#include "core/lcd/buttons.h"

namespace zuzazizo {

using enum ImageId;

// A slot's number is its button's code, so the buttons and the slots line up one to one.
static_assert(button_images.size() == key_slot_count &&
              static_cast<int>(Button::right) == key_slot_count);

std::optional<Button> button_of_top_image(ImageId image) {
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        if (images_of_slot(slot).top == image) return static_cast<Button>(slot);
    }
    return std::nullopt;
}

std::optional<Button> InputDispatch::bound_button(std::uint16_t virtual_key) const {
    // 0 is no key: it is what a slot holds before its binding is loaded.
    if (virtual_key == 0) return std::nullopt;
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        if (bindings_.key_bindings[static_cast<std::size_t>(slot)].virtual_key == virtual_key) {
            return static_cast<Button>(slot);
        }
    }
    return std::nullopt;
}

void InputDispatch::FormKeyDown(std::uint16_t key) {
    if (const auto button = bound_button(key)) engine_.press(*button);
}

void InputDispatch::FormKeyUp(std::uint16_t key) {
    if (const auto button = bound_button(key)) engine_.release(*button);
}

void InputDispatch::mouse_down(std::optional<ImageId> hit, MouseButton button) {
    if (button != MouseButton::left || !hit) return;
    const auto pressed = button_of_top_image(*hit);
    if (!pressed) return;
    captured_ = pressed;
    engine_.press(*pressed);
}

void InputDispatch::mouse_up(MouseButton button) {
    if (button != MouseButton::left || !captured_) return;
    const Button released = *captured_;
    captured_.reset();
    engine_.release(released);
}

}  // namespace zuzazizo
