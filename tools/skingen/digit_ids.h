// The digit places and digit sources of the number panel, in the order the panel counts them.
#pragma once

#include <array>

#include "core/lcd/image_id.h"

namespace skingen {

using zuzazizo::ImageId;

inline constexpr std::array<ImageId, 5> digit_place_ids{
    ImageId::im_panel_digit_pos_1, ImageId::im_panel_digit_pos_2, ImageId::im_panel_digit_pos_3,
    ImageId::im_panel_digit_pos_4, ImageId::im_panel_digit_pos_5};

inline constexpr std::array<ImageId, 10> large_digit_ids{
    ImageId::im_panel_number_0, ImageId::im_panel_number_1, ImageId::im_panel_number_2,
    ImageId::im_panel_number_3, ImageId::im_panel_number_4, ImageId::im_panel_number_5,
    ImageId::im_panel_number_6, ImageId::im_panel_number_7, ImageId::im_panel_number_8,
    ImageId::im_panel_number_9};

inline constexpr std::array<ImageId, 10> small_digit_ids{
    ImageId::im_panel_number_small_0, ImageId::im_panel_number_small_1,
    ImageId::im_panel_number_small_2, ImageId::im_panel_number_small_3,
    ImageId::im_panel_number_small_4, ImageId::im_panel_number_small_5,
    ImageId::im_panel_number_small_6, ImageId::im_panel_number_small_7,
    ImageId::im_panel_number_small_8, ImageId::im_panel_number_small_9};

}  // namespace skingen
