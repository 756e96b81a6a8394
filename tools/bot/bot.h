// A simple player for long unattended sessions: the soak test and the headless simulator.
//
// After every timer event it looks at the batter's line and walks the batter under the lane whose
// ball has just reached it, so it strikes every ball it does not choose to ignore. Ignoring a ball
// now and then (the error rate) is what makes its games end. Between games it starts the next one
// at once, alternating game A and game B unless told otherwise, sometimes with a silent start.
#pragma once

#include <cstdint>
#include <random>

#include "core/engine/engine.h"

namespace zuzazizo::bot {

enum class BotGames { alternate, only_a, only_b };

struct BotOptions {
    double error_rate = 0.02;   // chance of letting a ball through on purpose
    double silent_rate = 0.25;  // chance of starting a game without sound
    BotGames games = BotGames::alternate;
    std::uint32_t seed = 1;
};

// What changed in one timer event, as far as the play tick is concerned.
struct EventSnapshot {
    GameState state;
    bool game_timer_enabled = false;
};
EventSnapshot snapshot(const Engine& engine);
// True when the event between the two snapshots was a play tick: only a tick moves `lane` or
// counts a miss while Timer_Game runs (the bonus end and the game start set `lane` with the tick
// stopped).
bool was_play_tick(const EventSnapshot& before, const GameState& after);

class Bot {
  public:
    Bot(Engine& engine, BotOptions options);

    // Reacts to the handheld as the last event left it.
    void act();

    std::int64_t games_started() const { return games_started_; }

  private:
    void start_next_game();
    void follow_ball();
    void move_towards(int lane);

    Engine& engine_;
    BotOptions options_;
    std::mt19937 random_;
    std::bernoulli_distribution ignore_ball_;
    std::bernoulli_distribution silent_start_;
    std::int64_t games_started_ = 0;
    int watched_lane_ = 0;  // lane whose ball at the batter's line has been decided on
    bool chasing_ = false;
};

}  // namespace zuzazizo::bot
