// From game controllers to presses and releases of the handheld's buttons.
//
// The front end reports what each controller does in a controller-neutral layout (the face
// buttons by position, the D-pad, the left stick's horizontal axis); this map turns it into the
// same press and release operations that keys and the mouse call, so the engine's latches apply
// alike. Several controls may mean one button (the D-pad and the stick both move the batter, and
// more than one controller may be plugged in): the button goes down when the first of them does
// and up when the last lets go, so a held button acts once. A controller that goes away
// releases whatever it held.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>

#include "core/engine/engine.h"

namespace zuzazizo {

// The controls that mean something to the handheld. The face buttons are named by where they
// sit on the pad, not by their labels, which differ between makers.
enum class PadControl { dpad_left, dpad_right, south, east, west, north, stick_left, stick_right };
inline constexpr int pad_control_count = 8;

// The handheld button a control works. The stick's two entries are derived from its axis by
// `stick_x` and never reported directly.
Button button_of(PadControl control);

// The left stick's horizontal axis, in SDL's range: a push past `stick_press` moves the batter,
// and it takes a return to within `stick_release` of the centre to let go. The gap between the
// two keeps a stick held near the threshold from chattering into many presses.
inline constexpr std::int32_t stick_full_scale = 32767;
inline constexpr std::int32_t stick_press = stick_full_scale / 2;
inline constexpr std::int32_t stick_release = stick_full_scale / 4;

class GamepadMap {
  public:
    // `accepts_presses` says whether a new press may reach the handheld now (not while another
    // window of the program has the user's attention); releases of what was pressed always do.
    explicit GamepadMap(Engine& engine, std::function<bool()> accepts_presses = {});

    void control_down(std::int32_t pad, PadControl control);
    void control_up(std::int32_t pad, PadControl control);
    void stick_x(std::int32_t pad, std::int32_t value);
    void pad_removed(std::int32_t pad);

    // True while some control of some controller holds the button.
    bool holds(Button button) const;

  private:
    using Held = std::array<bool, pad_control_count>;

    void set_held(std::int32_t pad, PadControl control, bool down);
    int holders(Button button) const;

    Engine& engine_;
    std::function<bool()> accepts_presses_;
    std::map<std::int32_t, Held> pads_;
};

}  // namespace zuzazizo
