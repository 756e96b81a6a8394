#include "core/input/gamepad_map.h"

#include <utility>

namespace zuzazizo {

namespace {

constexpr std::array<Button, pad_control_count> control_buttons = {
    Button::left,    // dpad_left
    Button::right,   // dpad_right
    Button::game_a,  // south
    Button::game_b,  // east
    Button::time,    // west
    Button::light,   // north
    Button::left,    // stick_left
    Button::right,   // stick_right
};

constexpr std::size_t index_of(PadControl control) {
    return static_cast<std::size_t>(control);
}

}  // namespace

Button button_of(PadControl control) {
    return control_buttons[index_of(control)];
}

GamepadMap::GamepadMap(Engine& engine, std::function<bool()> accepts_presses)
    : engine_(engine), accepts_presses_(std::move(accepts_presses)) {}

void GamepadMap::control_down(std::int32_t pad, PadControl control) {
    set_held(pad, control, true);
}

void GamepadMap::control_up(std::int32_t pad, PadControl control) {
    set_held(pad, control, false);
}

void GamepadMap::stick_x(std::int32_t pad, std::int32_t value) {
    const Held& held = pads_[pad];
    const bool left = held[index_of(PadControl::stick_left)];
    const bool right = held[index_of(PadControl::stick_right)];
    // Letting go comes before pressing, so a flick from one side to the other in a single report
    // is a release of one button and then a press of the other.
    if (left && value >= -stick_release) set_held(pad, PadControl::stick_left, false);
    if (right && value <= stick_release) set_held(pad, PadControl::stick_right, false);
    if (!left && value <= -stick_press) set_held(pad, PadControl::stick_left, true);
    if (!right && value >= stick_press) set_held(pad, PadControl::stick_right, true);
}

void GamepadMap::pad_removed(std::int32_t pad) {
    const auto found = pads_.find(pad);
    if (found == pads_.end()) return;
    for (int control = 0; control < pad_control_count; ++control) {
        set_held(pad, static_cast<PadControl>(control), false);
    }
    pads_.erase(pad);
}

bool GamepadMap::holds(Button button) const {
    return holders(button) > 0;
}

int GamepadMap::holders(Button button) const {
    int count = 0;
    for (const auto& [pad, held] : pads_) {
        for (int control = 0; control < pad_control_count; ++control) {
            if (held[static_cast<std::size_t>(control)] &&
                button_of(static_cast<PadControl>(control)) == button) {
                ++count;
            }
        }
    }
    return count;
}

void GamepadMap::set_held(std::int32_t pad, PadControl control, bool down) {
    bool& held = pads_[pad][index_of(control)];
    if (held == down) return;
    // A press refused now is forgotten, so its release later does not reach the handheld either.
    if (down && accepts_presses_ && !accepts_presses_()) return;
    const Button button = button_of(control);
    const bool was_held = holders(button) > 0;
    held = down;
    const bool is_held = holders(button) > 0;
    if (!was_held && is_held) engine_.press(button);
    if (was_held && !is_held) engine_.release(button);
}

}  // namespace zuzazizo
