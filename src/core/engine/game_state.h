// The handheld's memory: everything the firmware and the screen share. All zero at power-on.
// Lanes, cells and hero positions count from 1, as in the segment names, so the arrays carry an
// unused element 0.
#pragma once

#include <array>
#include <cstdint>

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

struct GameState {
    std::int32_t game_mode = mode_startup;
    std::int32_t score = 0;
    std::int32_t hiscore_1 = 0;
    std::int32_t hiscore_2 = 0;
    std::int32_t misses = 0;
    std::int32_t hero_pos = 0;
    bool hero_active = false;
    std::int32_t lane = 0;
    std::array<std::array<std::int32_t, 7>, 4> lane_cell{};  // [lane 1..3][cell 1..6]
    std::array<std::int32_t, 4> got_flag{};
    std::array<std::int32_t, 4> miss_flag{};
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

}  // namespace zuzazizo
