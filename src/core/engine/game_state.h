// The handheld's memory: everything the firmware and the screen share. All zero at power-on.
// Lanes, cells and hero positions count from 1, as in the segment names, so the arrays carry an
// unused element 0.
#pragma once

#include <array>
#include <cstdint>

#include "core/lcd/field.h"

namespace zuzazizo {

enum GameMode : std::int32_t {
    mode_startup = 0,
    mode_time_1 = 1,
    mode_time_2 = 2,
    mode_alarm = 3,
    mode_date = 4,
    mode_chrono = 5,
    mode_game_a_ready = 6,
    mode_game_b_ready = 7,
    mode_game_a = 8,
    mode_game_b = 9,
    mode_game_over = 10,
};

// The pitcher's frames: a throw steps through 3 to 6, one frame a play tick, and starts again;
// 5 is the pose he waits in before the first ball and after a miss or a bonus.
inline constexpr std::int32_t pitch_first_frame = 3;
inline constexpr std::int32_t pitch_last_frame = 6;
inline constexpr std::int32_t ready_pitch_frame = 5;

// What a cell of `lane_cell` holds.
inline constexpr std::int32_t cell_empty = 0;
inline constexpr std::int32_t cell_item = 1;    // a ball in flight
inline constexpr std::int32_t cell_struck = 2;  // a ball just hit, about to fly off

struct GameState {
    std::int32_t game_mode = mode_startup;
    std::int32_t score = 0;
    std::int32_t hiscore_1 = 0;
    std::int32_t hiscore_2 = 0;
    std::int32_t misses = 0;
    std::int32_t hero_pos = 0;
    bool hero_active = false;
    std::int32_t lane = 0;
    std::array<std::array<std::int32_t, cells_per_lane + 1>, lane_count + 1> lane_cell{};
    std::array<std::int32_t, lane_count + 1> got_flag{};
    std::array<std::int32_t, lane_count + 1> miss_flag{};
    std::int32_t item_top_frame = 0;
    std::int32_t max_items = 0;
    std::int32_t got_step = 0;
    std::int32_t bonus_step = 0;
    std::int32_t end_step = 0;
    bool game_sound = false;
    bool sound_enabled = false;
    bool key_latch = false;
    bool game_a_latch = false;
    bool game_b_latch = false;
};

// Balls in flight over the three lanes.
inline int items_in_flight(const GameState& state) {
    int n = 0;
    for (int r = 1; r <= lane_count; ++r) {
        for (int c = 1; c <= cells_per_lane; ++c) n += state.lane_cell[r][c] == cell_item ? 1 : 0;
    }
    return n;
}

}  // namespace zuzazizo
