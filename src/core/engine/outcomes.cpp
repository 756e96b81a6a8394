// What follows a strike or a miss: the strike, bonus, after-miss and game-over sequences.
// Each is a step machine on its own timer that sets the wait until its next step.
#include "core/engine/engine.h"

namespace zuzazizo {

using enum ImageId;

namespace {

constexpr int points_per_strike = 10;
constexpr int got_second_step_ms = 100;
constexpr int bonus_walk_ms = 375;
constexpr int bonus_dance_ms = 500;
constexpr int bonus_end_ms = 1000;
constexpr int gameover_tune_ms = 4200;
constexpr int gameover_silent_ms = 100;
constexpr int game_over_hold_ms = 30000;

// The after-miss and game-over sequences share their first seven steps; only the figure differs.
constexpr std::array<EndStep, 8> reprise_steps = {{
    {0, 0},
    {0, 140},
    {7, 375},
    {8, 500},
    {7, 0},
    {9, 0},
    {7, 0},
    {10, 0},
}};
constexpr std::array<EndStep, 8> game_over_steps = {{
    {0, 0},
    {0, 140},
    {1, 375},
    {2, 500},
    {1, 0},
    {2, 0},
    {1, 0},
    {2, 530},
}};

}  // namespace

void Engine::Timer_GotTimer() {
    if (state.got_step == 1) {
        lcd_.Vid_Show_Hero(state.hero_pos, 2);
        Snd_Play(Sample::got);
        state.score += points_per_strike;
        if (state.score % 1000 == 0) {
            state.hero_active = false;
            Gam_Stop_All_Timers();
            state.bonus_step = state.hero_pos;
            Timer_Bonus.set_interval(bonus_walk_ms);
            Timer_Bonus.enable();
        } else {
            images_.show(*lcd_.seg_hero[state.hero_pos][4]);
            state.hero_active = true;
            Timer_Game.enable();
            Timer_Got.set_interval(got_second_step_ms);
        }
        if (state.score > 9999) state.score -= 10000;
        lcd_.Vid_Show_Panel_Score(state.score, true);
    } else if (state.got_step == 2) {
        for (int p = 1; p <= lane_count; ++p) lcd_.Vid_Show_Hero(p, p == state.hero_pos ? 1 : 0);
        Timer_Got.disable();
    }
    state.got_step += 1;
}

void Engine::Timer_BonusTimer() {
    if (state.bonus_step >= 9) {
        finish_bonus();
    } else {
        Snd_Play(Sample::move);
        walk_or_celebrate();
    }
    state.bonus_step += 1;
}

void Engine::walk_or_celebrate() {
    const int step = state.bonus_step;
    if (step <= 2) {
        show_hero_at(state.hero_pos + 1);
    } else if (step == 3) {
        images_.hide(im_hero_3_2);
        images_.hide(im_hero_3_3);
        images_.show(im_hero_3_5);
        Timer_Bonus.set_interval(bonus_dance_ms);
    } else if (step % 2 == 0) {  // 4, 6, 8
        images_.hide(im_hero_3_5);
        images_.show(im_hero_3_6);
        if (step == 8) Timer_Bonus.set_interval(bonus_end_ms);
    } else {  // 5, 7
        images_.hide(im_hero_3_6);
        images_.show(im_hero_3_5);
    }
}

void Engine::finish_bonus() {
    images_.hide(im_hero_3_6);
    lcd_.Vid_Show_Hero(state.hero_pos, 0);
    state.hero_pos = 2;
    lcd_.Vid_Show_Hero(2, 1);
    ready_pitcher_for_play();
    Gam_Set_Level();
    clear_field();
    lcd_.Vid_Show_All_Item(false);
    state.lane = 1;
    state.hero_active = true;
    Timer_Game.enable();
    Timer_Bonus.disable();
}

void Engine::animate_end_step(const std::array<EndStep, 8>& steps, Timer& timer) {
    const EndStep& s = steps[static_cast<std::size_t>(state.end_step)];
    Snd_Play(state.end_step == 1 ? Sample::miss : Sample::move);
    if (s.top_frame != 0) lcd_.Vid_Show_Item_Top(s.top_frame);
    if (s.interval_ms != 0) timer.set_interval(s.interval_ms);
}

void Engine::Timer_Game_RepriseTimer() {
    const int step = state.end_step;
    if (step >= 1 && step <= 7) {
        animate_end_step(reprise_steps, Timer_Game_Reprise);
    } else if (step == 8) {
        resume_after_miss();
    }
    state.end_step += 1;
}

void Engine::resume_after_miss() {
    lcd_.Vid_Show_Panel_Miss(state.misses);
    ready_pitcher_for_play();
    for (int r = 1; r <= lane_count; ++r) state.miss_flag[r] = 0;
    lcd_.Vid_Show_All_Item_Miss(false);
    state.hero_active = true;
    Timer_Game.enable();
    Timer_Game_Reprise.disable();
}

void Engine::Timer_Game_OverTimer() {
    const int step = state.end_step;
    if (step >= 1 && step <= 7) {
        animate_end_step(game_over_steps, Timer_Game_Over);
    } else if (step == 8) {
        lcd_.Vid_Show_Panel_Miss(state.misses);
        if (state.game_sound) Snd_Play(Sample::gameover);
        Timer_Game_Over.set_interval(state.game_sound ? gameover_tune_ms : gameover_silent_ms);
    } else if (step == 9) {
        save_hiscore();
        set_mode(mode_game_over);
        Timer_Game_Over.set_interval(game_over_hold_ms);
    } else if (step == 10) {
        set_mode(mode_time_1);
        Timer_Game_Over.disable();
    }
    state.end_step += 1;
}

void Engine::save_hiscore() {
    if (state.game_mode == mode_game_a && state.score > state.hiscore_1) {
        state.hiscore_1 = state.score;
        settings_.write_integer(settings::hiscore_1, state.hiscore_1);
    }
    if (state.game_mode == mode_game_b && state.score > state.hiscore_2) {
        state.hiscore_2 = state.score;
        settings_.write_integer(settings::hiscore_2, state.hiscore_2);
    }
}

}  // namespace zuzazizo
