// One unattended session: a whole handheld on the virtual clock, played by the bot until enough
// games have ended or enough simulated time has passed.
#pragma once

#include <cstdint>
#include <random>

#include "bot/bot.h"
#include "core/engine/engine.h"
#include "core/engine/virtual_clock.h"
#include "core/lcd/image_model.h"
#include "core/lcd/lcd.h"
#include "core/settings/settings_backend.h"
#include "core/settings/settings_store.h"

namespace zuzazizo::simulate {

struct SessionLimits {
    std::int64_t games = 0;         // stop after this many ended games; 0: no limit
    std::int64_t simulated_ms = 0;  // stop after this much simulated time; 0: no limit
};

struct SessionStats {
    std::int64_t games_ended = 0;
    std::int64_t score_sum = 0;
    std::int32_t best_score = 0;
    std::int64_t ticks = 0;
    std::int64_t strikes = 0;
    std::int64_t misses = 0;
    std::int64_t bonuses = 0;
    std::uint64_t events = 0;
    std::int64_t simulated_ms = 0;
    std::int64_t samples_played = 0;
};

// Counts what would be heard; nothing is played.
class CountingSound final : public SoundOutput {
  public:
    void play(Sample) override { ++played; }
    std::int64_t played = 0;
};

class Session {
  public:
    Session(std::uint32_t seed, const bot::BotOptions& bot_options);
    SessionStats run(const SessionLimits& limits);

  private:
    void record(const bot::EventSnapshot& before);

    VirtualClock clock_;
    ImageModel images_;
    Lcd lcd_{images_};
    CountingSound sound_;
    MemorySettingsBackend backend_;
    SettingsStore settings_{backend_};
    FixedWallClock wall_clock_;
    std::mt19937 coin_;
    Engine engine_;
    bot::Bot bot_;
    SessionStats stats_;
};

}  // namespace zuzazizo::simulate
