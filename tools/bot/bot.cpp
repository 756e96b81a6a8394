#include "bot/bot.h"

namespace zuzazizo::bot {

namespace {

// The lane whose ball waits at the batter's line, or 0. A tick moves one lane only, so there is
// never more than one.
int lane_at_batter_line(const GameState& state) {
    for (int r = 1; r <= lane_count; ++r) {
        if (state.lane_cell[r][batter_line] == cell_item) return r;
    }
    return 0;
}

bool in_play(std::int32_t mode) {
    return mode == mode_game_a || mode == mode_game_b;
}

}  // namespace

EventSnapshot snapshot(const Engine& engine) {
    return {engine.state, engine.Timer_Game.enabled()};
}

bool was_play_tick(const EventSnapshot& before, const GameState& after) {
    if (!before.game_timer_enabled) return false;
    return after.lane != before.state.lane || after.misses != before.state.misses;
}

Bot::Bot(Engine& engine, BotOptions options)
    : engine_(engine),
      options_(options),
      random_(options.seed),
      ignore_ball_(options.error_rate),
      silent_start_(options.silent_rate) {}

void Bot::act() {
    const std::int32_t mode = engine_.state.game_mode;
    if ((mode >= mode_time_1 && mode <= mode_chrono) || mode == mode_game_over) {
        start_next_game();
    } else if (in_play(mode)) {
        follow_ball();
    }
}

void Bot::start_next_game() {
    bool game_a = options_.games != BotGames::only_b;
    if (options_.games == BotGames::alternate) game_a = games_started_ % 2 == 0;
    const Button game = game_a ? Button::game_a : Button::game_b;
    engine_.press(game);
    if (silent_start_(random_)) {
        engine_.press(Button::left);
        engine_.release(Button::left);
    }
    engine_.release(game);
    ++games_started_;
    watched_lane_ = 0;
}

void Bot::follow_ball() {
    const int lane = lane_at_batter_line(engine_.state);
    if (lane == 0) {
        watched_lane_ = 0;
        return;
    }
    if (lane != watched_lane_) {
        // A new ball at the line: decide once whether to go for it.
        watched_lane_ = lane;
        chasing_ = !ignore_ball_(random_);
    }
    if (chasing_ && engine_.state.hero_active) move_towards(lane);
}

void Bot::move_towards(int lane) {
    while (engine_.state.hero_pos != lane) {
        const Button step = engine_.state.hero_pos > lane ? Button::left : Button::right;
        const std::int32_t from = engine_.state.hero_pos;
        engine_.press(step);
        engine_.release(step);
        if (engine_.state.hero_pos == from) return;  // the engine refused the move
    }
}

}  // namespace zuzazizo::bot
