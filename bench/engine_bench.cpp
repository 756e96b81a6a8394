// How fast the core plays: simulated play ticks and timer events per CPU second, on the virtual
// clock, with a player that keeps the game going. The headless simulator and the soak test rely
// on this speed to run hours of play in seconds.
#include <benchmark/benchmark.h>

#include <random>

#include "core/engine/engine.h"
#include "core/engine/virtual_clock.h"
#include "core/lcd/image_model.h"
#include "core/lcd/lcd.h"
#include "core/settings/settings_backend.h"
#include "core/settings/settings_store.h"

namespace zuzazizo {
namespace {

class SilentSound final : public SoundOutput {
  public:
    void play(Sample) override {}
};

// A whole handheld on the virtual clock and a player that walks the batter under the ball at
// the line. It lets every `miss_every`-th ball through (0: none), so games end and restart.
class Rig {
  public:
    explicit Rig(int miss_every) : miss_every_(miss_every) {
        engine.state.sound_enabled = true;
        engine.set_mode(mode_time_1);
        start_game();
    }

    // Fires one timer event and lets the player react; true when it was a play tick.
    bool event() {
        const bool ticking = engine.Timer_Game.enabled();
        const std::int32_t lane = engine.state.lane;
        const std::int32_t misses = engine.state.misses;
        clock.step();
        react();
        return ticking && (engine.state.lane != lane || engine.state.misses != misses);
    }

    VirtualClock clock;
    ImageModel images;
    Lcd lcd{images};
    SilentSound sound;
    MemorySettingsBackend backend;
    SettingsStore settings{backend};
    FixedWallClock wall_clock;
    std::mt19937 coin{12345};
    Engine engine{EngineDeps{clock, lcd, sound, settings, wall_clock,
                             [this] { return static_cast<int>(coin() & 1U); }}};

  private:
    void start_game() {
        engine.press(Button::game_a);
        engine.release(Button::game_a);
    }
    void react() {
        const GameState& s = engine.state;
        if (s.game_mode == mode_game_over) return start_game();
        if (!s.hero_active) return;
        int target = 0;
        for (int r = 1; r <= 3; ++r) target = s.lane_cell[r][6] == 1 ? r : target;
        if (target == 0) {
            decided_ = false;
            return;
        }
        if (!decided_) {
            decided_ = true;
            chase_ = miss_every_ == 0 || ++balls_ % miss_every_ != 0;
        }
        while (chase_ && s.hero_pos != target) {
            const Button move = s.hero_pos > target ? Button::left : Button::right;
            engine.press(move);
            engine.release(move);
        }
    }

    int miss_every_;
    int balls_ = 0;
    bool decided_ = false;
    bool chase_ = true;
};

// One iteration is one play tick of an endless game A, with every strike, bonus and timer event
// around it.
void BM_PlayTicks(benchmark::State& state) {
    Rig rig(0);
    std::int64_t ticks = 0;
    for (auto _ : state) {
        while (!rig.event()) {
        }
        ++ticks;
    }
    state.counters["ticks"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
    state.counters["score"] = static_cast<double>(rig.engine.state.score);
}
BENCHMARK(BM_PlayTicks);

// One iteration is one timer event of whole games, misses, game overs and restarts included.
void BM_TimerEvents(benchmark::State& state) {
    Rig rig(40);
    std::int64_t events = 0;
    std::int64_t ticks = 0;
    const std::int64_t start_ms = rig.clock.now_ms();
    for (auto _ : state) {
        ticks += rig.event() ? 1 : 0;
        ++events;
    }
    state.counters["events"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kIsRate);
    state.counters["ticks"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
    const double simulated_s = static_cast<double>(rig.clock.now_ms() - start_ms) / 1000.0;
    state.counters["simulated_s"] = benchmark::Counter(simulated_s, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TimerEvents);

// The handler alone, called directly: the cost of the firmware's tick without the clock.
void BM_TickHandler(benchmark::State& state) {
    Rig rig(0);
    rig.clock.advance(3100);
    for (auto _ : state) {
        rig.engine.Timer_GameTimer();
        // Keep the field alive: a strike would otherwise freeze the batter for good here.
        rig.engine.state.hero_active = true;
        for (int r = 1; r <= 3; ++r) {
            if (rig.engine.state.lane_cell[r][6] == 1) rig.engine.state.hero_pos = r;
        }
    }
    state.counters["ticks"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TickHandler);

}  // namespace
}  // namespace zuzazizo

BENCHMARK_MAIN();
