// Mode changes and the start of a game: GAME A, GAME B and the start delay.
#include "core/engine/engine.h"

namespace zuzazizo {

using enum ImageId;

namespace {

constexpr int startup_display_ms = 30000;
constexpr int game_start_delay_ms = 3100;

}  // namespace

void Engine::Gam_Set_Mode() {
    switch (state.game_mode) {
        case mode_startup:
            lcd_.Vid_Show_All(true);
            Timer_Startup.set_interval(startup_display_ms);
            Timer_Startup.enable();
            break;
        case mode_time_1:
            enter_clock_mode(im_panel_time_1);
            Timer_Clock.set_interval(1);
            Timer_Clock.enable();
            break;
        case mode_time_2:
            images_.hide(im_panel_time_1);
            images_.show(im_panel_time_2);
            break;
        case mode_alarm:
            enter_clock_mode(im_panel_alarm);
            images_.show(im_panel_time_am);
            lcd_.Vid_Show_Panel_Score(1200, true);
            break;
        case mode_date:
            enter_clock_mode(im_panel_date);
            Timer_Date.set_interval(1);
            Timer_Date.enable();
            break;
        case mode_chrono:
            enter_clock_mode(im_panel_chrono);
            for (int place = 1; place <= 4; ++place) lcd_.set_digit(place, 0);
            lcd_.set_small_digit(5, 0);
            break;
        case mode_game_a_ready:
            show_ready_screen(im_panel_game_a, state.hiscore_1);
            break;
        case mode_game_b_ready:
            show_ready_screen(im_panel_game_b, state.hiscore_2);
            break;
        case mode_game_a:
        case mode_game_b:
            start_game();
            break;
        default:
            break;  // the game-over screen stays as it is
    }
}

void Engine::enter_clock_mode(ImageId indicator) {
    Gam_Stop_All_Timers();
    lcd_.Vid_Show_All(false);
    images_.show(indicator);
    images_.show(im_panel_time_colon);
}

void Engine::show_ready_screen(ImageId indicator, std::int32_t hiscore) {
    Gam_Stop_All_Timers();
    lcd_.Vid_Show_All(false);
    images_.show(indicator);
    lcd_.Vid_Show_Panel_Score(hiscore, true);
    state.game_sound = true;
    images_.show(im_panel_sound);
    state.hero_pos = 2;
    lcd_.Vid_Show_Hero(2, 1);
    show_ready_pitcher();
    Timer_Game_Start.set_interval(game_start_delay_ms);
}

void Engine::show_ready_pitcher() {
    state.item_top_frame = ready_pitch_frame;
    lcd_.Vid_Show_Item_Top(ready_pitch_frame);
}

// Play goes on from the ready pose: the next tick's step lands on it again before the throw.
void Engine::ready_pitcher_for_play() {
    show_ready_pitcher();
    state.item_top_frame = ready_pitch_frame - 1;
}

void Engine::clear_field() {
    for (int r = 1; r <= lane_count; ++r) {
        for (int c = 1; c <= cells_per_lane; ++c) state.lane_cell[r][c] = 0;
        state.got_flag[r] = 0;
        state.miss_flag[r] = 0;
    }
}

void Engine::start_game() {
    state.score = 0;
    state.misses = 0;
    lcd_.Vid_Show_Panel_Miss(0);
    Gam_Set_Level();
    clear_field();
    Snd_Play(Sample::start);
    Timer_Game_Start.enable();
}

void Engine::game_down(bool& latch, ImageId pressed, std::int32_t ready_mode) {
    images_.show(pressed);
    if (latch) return;
    latch = true;
    const std::int32_t mode = state.game_mode;
    if (mode == mode_startup) {
        set_mode(mode_time_1);
    } else if ((mode >= mode_time_1 && mode <= mode_chrono) || mode == mode_game_over) {
        set_mode(ready_mode);
    }
}

void Engine::game_up(bool& latch, ImageId pressed, std::int32_t ready_mode) {
    images_.hide(pressed);
    latch = false;
    // Ready mode + 2 is the matching game: 6 to 8, 7 to 9.
    if (state.game_mode == ready_mode) set_mode(ready_mode + 2);
}

void Engine::Inp_game_a_down() {
    game_down(state.game_a_latch, btn_game_a_down, mode_game_a_ready);
}
void Engine::Inp_game_a_up() {
    game_up(state.game_a_latch, btn_game_a_down, mode_game_a_ready);
}
void Engine::Inp_game_b_down() {
    game_down(state.game_b_latch, btn_game_b_down, mode_game_b_ready);
}
void Engine::Inp_game_b_up() {
    game_up(state.game_b_latch, btn_game_b_down, mode_game_b_ready);
}

void Engine::Timer_Game_StartTimer() {
    lcd_.Vid_Show_Panel_Score(state.score, true);
    state.hero_active = true;
    state.lane = 1;
    Timer_Game.enable();
    Timer_Game_Start.disable();
}

}  // namespace zuzazizo
