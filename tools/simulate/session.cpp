#include "session.h"

namespace zuzazizo::simulate {

Session::Session(std::uint32_t seed, const bot::BotOptions& bot_options)
    : coin_(seed),
      engine_(EngineDeps{clock_, lcd_, sound_, settings_, wall_clock_,
                         [this] { return static_cast<int>(coin_() & 1U); }}),
      bot_(engine_, bot_options) {
    // As if a sound output had been chosen, so that every beep is counted.
    engine_.state.sound_enabled = true;
    engine_.set_mode(mode_time_1);
}

SessionStats Session::run(const SessionLimits& limits) {
    const std::int64_t start_ms = clock_.now_ms();
    bot_.act();
    for (;;) {
        if (limits.games > 0 && stats_.games_ended >= limits.games) break;
        if (limits.simulated_ms > 0 && clock_.now_ms() - start_ms >= limits.simulated_ms) break;
        const bot::EventSnapshot before = bot::snapshot(engine_);
        if (!clock_.step()) break;  // nothing runs: the bot has stopped playing
        record(before);
        bot_.act();
    }
    stats_.events = clock_.events_fired();
    stats_.simulated_ms = clock_.now_ms() - start_ms;
    stats_.samples_played = sound_.played;
    return stats_;
}

void Session::record(const bot::EventSnapshot& before) {
    const GameState& now = engine_.state;
    if (bot::was_play_tick(before, now)) {
        ++stats_.ticks;
        if (now.misses != before.state.misses) ++stats_.misses;
    }
    if (now.score != before.state.score && now.score != 0) ++stats_.strikes;
    if (now.score != before.state.score && now.score % 1000 == 0) {
        ++stats_.bonuses;
        if (now.score == 0) ++stats_.strikes;  // the strike that wrapped 9990 to 0
    }
    if (now.game_mode == mode_game_over && before.state.game_mode != mode_game_over) {
        ++stats_.games_ended;
        stats_.score_sum += now.score;
        stats_.best_score = std::max(stats_.best_score, now.score);
    }
}

}  // namespace zuzazizo::simulate
