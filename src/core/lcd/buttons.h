// The handheld's six working buttons, in the order of their key slots (Key1 to Key6) and of the
// engine's Button codes (game A is 1): each with the picture that receives the mouse and the one
// shown while it is held. The image model, the input dispatch and the key hints all read this
// one table.
#pragma once

#include <array>
#include <cstddef>

#include "core/lcd/image_id.h"

namespace zuzazizo {

struct ButtonImages {
    ImageId top;
    ImageId down;
};

inline constexpr std::array<ButtonImages, 6> button_images = {{
    {ImageId::btn_game_a_top, ImageId::btn_game_a_down},
    {ImageId::btn_game_b_top, ImageId::btn_game_b_down},
    {ImageId::btn_time_top, ImageId::btn_time_down},
    {ImageId::btn_light_top, ImageId::btn_light_down},
    {ImageId::btn_left_top, ImageId::btn_left_down},
    {ImageId::btn_right_top, ImageId::btn_right_down},
}};

// The images of the button in key slot `slot` (1 to 6).
constexpr const ButtonImages& images_of_slot(int slot) {
    return button_images[static_cast<std::size_t>(slot - 1)];
}

}  // namespace zuzazizo
