// Where the parts of the case lie in the game area: the outline, the faceplate, the LCD window
// and the buttons with their printed labels.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <array>

#include "core/lcd/image_id.h"

namespace skingen {

inline constexpr QRectF case_outline{1.0, 1.0, 607.0, 375.0};
inline constexpr qreal case_corner_px = 44.0;
inline constexpr QRectF faceplate{106.0, 8.0, 397.0, 314.0};
inline constexpr qreal lcd_bezel_px = 9.0;

enum class ButtonShape { pill, round };

struct ButtonDesign {
    zuzazizo::ImageId top;
    zuzazizo::ImageId down;  // the same as top for SET, which has no pressed look
    const char* label;
    QPointF centre;
    ButtonShape shape;
    QRgb cap;
};

inline constexpr QSizeF pill_cap_px{40.0, 15.0};
inline constexpr qreal round_cap_radius_px = 29.0;
inline constexpr qreal socket_px = 4.0;  // the dark ring between the cap and the case

// Clock buttons at the upper left, game buttons at the upper right, the two big bat buttons
// under the thumbs.
inline constexpr std::array<ButtonDesign, 7> buttons{{
    {zuzazizo::ImageId::btn_time_top,
     zuzazizo::ImageId::btn_time_down,
     "TIME",
     {54.0, 82.0},
     ButtonShape::pill,
     0xff9ea3a8},
    {zuzazizo::ImageId::btn_set_top,
     zuzazizo::ImageId::btn_set_top,
     "SET",
     {54.0, 128.0},
     ButtonShape::pill,
     0xff9ea3a8},
    {zuzazizo::ImageId::btn_light_top,
     zuzazizo::ImageId::btn_light_down,
     "LIGHT",
     {54.0, 174.0},
     ButtonShape::pill,
     0xffe3c04a},
    {zuzazizo::ImageId::btn_game_a_top,
     zuzazizo::ImageId::btn_game_a_down,
     "GAME A",
     {555.0, 92.0},
     ButtonShape::pill,
     0xffe38b2e},
    {zuzazizo::ImageId::btn_game_b_top,
     zuzazizo::ImageId::btn_game_b_down,
     "GAME B",
     {555.0, 146.0},
     ButtonShape::pill,
     0xffe38b2e},
    {zuzazizo::ImageId::btn_left_top,
     zuzazizo::ImageId::btn_left_down,
     "LEFT",
     {54.0, 256.0},
     ButtonShape::round,
     0xffc8322c},
    {zuzazizo::ImageId::btn_right_top,
     zuzazizo::ImageId::btn_right_down,
     "RIGHT",
     {555.0, 256.0},
     ButtonShape::round,
     0xffc8322c},
}};

}  // namespace skingen
