// Ten simulated hours of unattended play by the bot, with the handheld's invariants checked after
// every single timer event.
#include <gtest/gtest.h>

#include <random>

#include "bot/bot.h"
#include "support/handheld.h"

namespace zuzazizo {
namespace {

constexpr std::int64_t soak_ms = 10LL * 60 * 60 * 1000;

class Soak {
  public:
    Soak() {
        h.engine.state.sound_enabled = true;
        h.engine.set_mode(mode_time_1);
    }

    // Fires one event, lets the bot react and checks everything; false once a check failed.
    bool step() {
        feed_coin();
        const bot::EventSnapshot before = bot::snapshot(h.engine);
        if (!h.clock.step()) {
            ADD_FAILURE() << "no timer running at " << h.clock.now_ms() << " ms";
            return false;
        }
        if (bot::was_play_tick(before, state())) check_tick(before);
        // The bonus's last step empties the field: the next launch follows no launch.
        if (before.state.bonus_step == 9 && state().bonus_step == 10) launched_last_tick_ = false;
        check_state();
        check_hero_segments();
        bot.act();
        // The recorder would otherwise hold every beep of ten hours.
        if (h.sound.played.size() > 4096) h.sound.played.clear();
        return !::testing::Test::HasFailure();
    }

    testing::Handheld h;
    bot::Bot bot{h.engine, {.error_rate = 0.01, .silent_rate = 0.2, .seed = 20240611}};
    std::int64_t ticks = 0;
    std::int32_t best_score = 0;

  private:
    const GameState& state() const { return h.engine.state; }

    void feed_coin() {
        while (h.coin->script.size() < 64)
            h.coin->script.push_back(static_cast<int>(random_() & 1));
    }

    void check_tick(const bot::EventSnapshot& before) {
        ++ticks;
        const int L = before.state.lane;
        const bool missed = state().misses != before.state.misses;
        const bool launched = !missed && state().lane_cell[L][1] == 1;
        if (launched) {
            EXPECT_LE(items_in_flight(state()), before.state.max_items)
                << "at " << h.clock.now_ms() << " ms";
            EXPECT_FALSE(launched_last_tick_)
                << "launches on two ticks in a row at " << h.clock.now_ms() << " ms";
        }
        launched_last_tick_ = launched;
        EXPECT_EQ(state().misses - before.state.misses, missed ? 1 : 0);
    }

    void check_state() {
        const GameState& s = state();
        EXPECT_EQ(s.score % 10, 0);
        EXPECT_GE(s.score, 0);
        EXPECT_LT(s.score, 10000);
        best_score = std::max(best_score, s.score);
        EXPECT_GE(s.misses, 0);
        EXPECT_LE(s.misses, 3);
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c <= 6; ++c) {
                const int v = s.lane_cell[r][c];
                EXPECT_TRUE(v == 0 || v == 1 || (v == 2 && c == 6))
                    << "lane " << r << " cell " << c << " holds " << v;
                if (c < 6) {
                    EXPECT_FALSE(v > 0 && s.lane_cell[r][c + 1] > 0);
                }
            }
        }
        if (s.game_mode >= mode_game_a_ready) {
            EXPECT_GE(s.hero_pos, 1);
            EXPECT_LE(s.hero_pos, 3);
        }
        if (h.engine.Timer_Game.enabled()) {
            // While the game runs the marks show every miss so far.
            for (int i = 1; i <= 3; ++i) EXPECT_EQ(h.lit(h.lcd.seg_panel_miss[i]), i <= s.misses);
        }
    }

    // In play, and outside the bonus dance, exactly one batter is drawn: at its position, in
    // the ready pose or the swing.
    void check_hero_segments() {
        const GameState& s = state();
        if (s.game_mode != mode_game_a && s.game_mode != mode_game_b) return;
        if (h.engine.Timer_Bonus.enabled() || s.hero_pos < 1 || s.hero_pos > 3) return;
        for (int p = 1; p <= 3; ++p) {
            const bool body = h.lit(*h.lcd.seg_hero[p][1]);
            const bool ready = h.lit(*h.lcd.seg_hero[p][2]);
            const bool swing = h.lit(*h.lcd.seg_hero[p][3]);
            if (p == s.hero_pos) {
                EXPECT_TRUE(body && ready != swing) << "batter at " << p;
            } else {
                EXPECT_FALSE(body || ready || swing) << "stray batter at " << p;
            }
        }
        EXPECT_FALSE(h.lit(ImageId::im_hero_3_5) || h.lit(ImageId::im_hero_3_6));
    }

    std::mt19937 random_{99};
    bool launched_last_tick_ = false;
};

TEST(SoakTest, BotPlaysTenHoursWithEveryInvariantHoldingAfterEveryEvent) {
    Soak soak;
    soak.bot.act();
    while (soak.h.clock.now_ms() < soak_ms) {
        if (!soak.step()) break;
    }
    EXPECT_GE(soak.h.clock.now_ms(), soak_ms);
    // The session really played: many games, both kinds, long enough to see bonuses.
    EXPECT_GT(soak.bot.games_started(), 20);
    EXPECT_GT(soak.ticks, 100000);
    EXPECT_GE(soak.best_score, 1000);
    EXPECT_TRUE(soak.h.backend.values.contains("HiScore1"));
    EXPECT_TRUE(soak.h.backend.values.contains("HiScore2"));
    RecordProperty("games", static_cast<int>(soak.bot.games_started()));
    RecordProperty("ticks", static_cast<int>(soak.ticks));
    RecordProperty("best_score", soak.best_score);
}

}  // namespace
}  // namespace zuzazizo
