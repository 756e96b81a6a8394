// The play tick and the batter's LEFT and RIGHT.
#include "core/engine/engine.h"

namespace zuzazizo {

using enum ImageId;

namespace {

constexpr int got_first_step_ms = 50;
constexpr int silent_start_ms = 100;

int next_lane(int lane) {
    return lane == lane_count ? 1 : lane + 1;
}
std::int32_t next_pitch_frame(std::int32_t frame) {
    return frame >= pitch_last_frame ? pitch_first_frame : frame + 1;
}
int previous_lane(int lane) {
    return lane == 1 ? lane_count : lane - 1;
}

}  // namespace

void Engine::Timer_GameTimer() {
    const int L = state.lane;
    fly_off_struck_ball(L);
    const int missed = scan_for_miss();
    if (missed == 0 && state.lane_cell[state.hero_pos][batter_line] == cell_item) strike();

    int moved = 0;
    if (missed == 0) moved = advance_lane(L);

    if (missed != 0) {
        begin_miss(missed);
    } else {
        state.lane = next_lane(L);
        state.item_top_frame = next_pitch_frame(state.item_top_frame);
    }
    redraw_field();

    if (missed != 0) {
        Snd_Play(Sample::miss);
    } else if (moved > 0) {
        Snd_Play(Sample::move);
    }
    Gam_Set_Level();
    if (on_play_tick) on_play_tick();
}

void Engine::fly_off_struck_ball(int lane) {
    if (state.got_flag[lane] == 1) state.got_flag[lane] = 0;
    if (state.lane_cell[lane][batter_line] == cell_struck) {
        state.lane_cell[lane][batter_line] = cell_empty;
        state.got_flag[lane] = 1;
    }
}

int Engine::scan_for_miss() {
    int missed = 0;
    for (int r = 1; r <= lane_count; ++r) {
        if (state.lane_cell[r][batter_line] == cell_item && r != state.hero_pos) {
            state.lane_cell[r][batter_line] = cell_empty;
            state.miss_flag[r] = 1;
            missed = r;
        }
    }
    return missed;
}

void Engine::strike() {
    state.hero_active = false;
    lcd_.Vid_Show_Hero(state.hero_pos, 2);
    state.got_step = 1;
    Timer_Got.set_interval(got_first_step_ms);
    Timer_Got.enable();
    state.lane_cell[state.hero_pos][batter_line] = cell_struck;
    Timer_Game.disable();
}

int Engine::items_in_flight() const {
    return zuzazizo::items_in_flight(state);
}

int Engine::advance_lane(int L) {
    auto& cells = state.lane_cell[L];
    for (int c = cells_per_lane; c >= 2; --c) cells[c] = cells[c - 1];
    cells[1] = cell_empty;

    const int n = items_in_flight();
    cells[1] = random_bit_() == 0 ? cell_item : cell_empty;
    if (n == 0) cells[1] = cell_item;
    if (cells[2] == cell_item) cells[1] = cell_empty;
    if (state.lane_cell[previous_lane(L)][1] == cell_item) cells[1] = cell_empty;
    if (n >= state.max_items) cells[1] = cell_empty;

    int moved = 0;
    for (int c = 1; c <= cells_per_lane; ++c) moved += cells[c] == cell_item ? 1 : 0;
    return moved;
}

void Engine::begin_miss(int missed) {
    state.hero_active = false;
    Gam_Stop_All_Timers();
    images_.show(lcd_.seg_item_miss[missed]);
    state.misses += 1;
    state.end_step = 1;
    Timer& sequence = state.misses < 3 ? Timer_Game_Reprise : Timer_Game_Over;
    sequence.set_interval(1);
    sequence.enable();
}

void Engine::redraw_field() {
    for (int r = 1; r <= lane_count; ++r) {
        for (int c = 1; c <= cells_per_lane; ++c)
            images_.set_visible(lcd_.seg_item[r][c], state.lane_cell[r][c] > 0);
        images_.set_visible(lcd_.seg_item_got[r], state.got_flag[r] == 1);
    }
    if (state.lane >= 1 && state.lane <= lane_count) images_.hide(*lcd_.seg_hero[state.lane][4]);
    lcd_.Vid_Show_Item_Top(state.item_top_frame);
}

void Engine::Inp_left_down() {
    images_.show(btn_left_down);
    if (state.key_latch) return;
    state.key_latch = true;
    if (state.game_mode == mode_game_a_ready || state.game_mode == mode_game_b_ready) {
        images_.hide(im_panel_sound);
        state.game_sound = false;
        Timer_Game_Start.set_interval(silent_start_ms);
    }
    if (state.hero_active && state.hero_pos > 1) show_hero_at(state.hero_pos - 1);
}

void Engine::Inp_right_down() {
    images_.show(btn_right_down);
    if (state.key_latch) return;
    state.key_latch = true;
    if (state.hero_active && state.hero_pos < lane_count) show_hero_at(state.hero_pos + 1);
}

void Engine::show_hero_at(std::int32_t position) {
    lcd_.Vid_Show_Hero(state.hero_pos, 0);
    state.hero_pos = position;
    lcd_.Vid_Show_Hero(state.hero_pos, 1);
}

void Engine::Inp_left_up() {
    images_.hide(btn_left_down);
    state.key_latch = false;
}

void Engine::Inp_right_up() {
    images_.hide(btn_right_down);
    state.key_latch = false;
}

}  // namespace zuzazizo
