#include "core/input/dispatch.h"

#include <array>

namespace zuzazizo {

using enum ImageId;

namespace {

struct TopImage {
    ImageId image;
    Button button;
};
constexpr std::array<TopImage, 6> top_images = {{
    {btn_game_a_top, Button::game_a},
    {btn_game_b_top, Button::game_b},
    {btn_time_top, Button::time},
    {btn_light_top, Button::light},
    {btn_left_top, Button::left},
    {btn_right_top, Button::right},
}};

}  // namespace

std::optional<Button> button_of_top_image(ImageId image) {
    for (const TopImage& top : top_images) {
        if (top.image == image) return top.button;
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
