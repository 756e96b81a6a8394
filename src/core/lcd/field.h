// The field the pitcher throws down: three lanes of six cells, from the pitcher to the batter's
// line, and the batter at one of three places, one under each lane. Counted from 1, as the
// segment names count them (im_item_<lane>_<cell>, im_hero_<place>_<frame>).
#pragma once

namespace zuzazizo {

inline constexpr int lane_count = 3;
inline constexpr int cells_per_lane = 6;
// The last cell of a lane, where a ball meets the bat or is missed.
inline constexpr int batter_line = cells_per_lane;

}  // namespace zuzazizo
