// Where the figures of the LCD stand, in LCD coordinates (337 by 258). The scene is a ball field
// seen from behind the batter: the pitcher far away at the top centre, three lanes of balls
// fanning towards the viewer and the batter at the front; the umpire and the catcher stand at
// the upper corners, beside the score panel.
#pragma once

#include <QPointF>
#include <QRect>
#include <array>

namespace skingen::lcd {

inline constexpr int lane_count = 3;
inline constexpr int cell_count = 6;

// Where a ball leaves the pitcher's hand in each lane, and where it would reach the bat.
inline constexpr std::array<QPointF, lane_count> lane_start{
    {{150.0, 118.0}, {168.5, 118.0}, {187.0, 118.0}}};
inline constexpr std::array<QPointF, lane_count> strike_point{
    {{60.0, 214.0}, {168.5, 214.0}, {277.0, 214.0}}};
inline constexpr qreal ball_near_radius_px = 5.6;
inline constexpr qreal ball_far_radius_px = 3.6;

// The batter stands left of the line his ball comes down, as a right-handed batter does.
inline constexpr qreal batter_offset_px = -24.0;
inline constexpr qreal batter_head_y = 198.0;

inline constexpr QPointF pitcher_head{168.5, 62.0};
inline constexpr QPointF umpire_head{44.0, 40.0};
inline constexpr QPointF catcher_head{310.0, 74.0};
inline constexpr QPointF thrower_head{262.0, 54.0};

// Score panel: four large digit places with the colon between the second and the third, and a
// small fifth place at the right.
inline constexpr QSize digit_size_px{18, 28};
inline constexpr QSize small_digit_size_px{11, 17};
inline constexpr int digit_top = 17;
inline constexpr std::array<int, 4> digit_left{124, 144, 172, 192};
inline constexpr QPoint small_digit_pos{213, 28};
inline constexpr QPointF colon_centre{165.5, 31.0};

inline constexpr int status_baseline = 12;

}  // namespace skingen::lcd
