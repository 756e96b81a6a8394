// The play tick and the batter's moves, played on the virtual clock.
#include <gtest/gtest.h>

#include <random>

#include "bot/bot.h"
#include "support/handheld.h"

namespace zuzazizo {
namespace {

using enum ImageId;

constexpr int tick_a_ms = 310;  // game A below 100 points
// The forced first launch puts a ball in lane 1; it moves one cell every third tick and so
// stands at the batter's line after the 16th tick, to be judged by the 17th.
constexpr int ticks_to_batter_line = 16;

class PlayLoopTest : public ::testing::Test {
  protected:
    // With the coin showing 1 nothing is launched at random: only the forced launches into an
    // empty field happen, so every ball's path is known.
    void start_game_a() {
        h.engine.state.sound_enabled = true;
        h.start_game(Button::game_a);
    }
    void ticks(int n) { h.clock.advance(static_cast<std::int64_t>(n) * tick_a_ms); }
    void first_ball_to_batter_line() {
        start_game_a();
        ticks(ticks_to_batter_line);
        ASSERT_EQ(state().lane_cell[1][6], 1);
        ASSERT_EQ(state().lane, 2);
    }
    const GameState& state() const { return h.engine.state; }

    testing::Handheld h;
};

TEST_F(PlayLoopTest, FirstTickOfAGameLaunchesInLaneOneOnePeriodAfterTheStart) {
    start_game_a();
    h.clock.advance(tick_a_ms - 1);
    EXPECT_EQ(state().lane_cell[1][1], 0);
    h.clock.advance(1);
    EXPECT_EQ(state().lane_cell[1][1], 1);
    EXPECT_TRUE(h.lit(im_item_1_1));
    EXPECT_EQ(state().lane, 2);
    EXPECT_EQ(state().item_top_frame, 6);  // the ready screen's frame 5, advanced
    EXPECT_EQ(h.sound.count(Sample::move), 1);
}

TEST_F(PlayLoopTest, OneItemAtATimeWhileTheCapIsOne) {
    h.coin->otherwise = 0;  // the coin always asks for a launch
    start_game_a();
    for (int tick = 1; tick <= ticks_to_batter_line; ++tick) {
        ticks(1);
        EXPECT_EQ(items_in_flight(state()), 1) << "tick " << tick;
    }
}

TEST_F(PlayLoopTest, ItemFallsOneCellEveryThirdTickAndIsDrawnWhereItIs) {
    start_game_a();
    for (int cell = 1; cell <= 6; ++cell) {
        ticks(cell == 1 ? 1 : 3);
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(state().lane_cell[1][c], c == cell ? 1 : 0) << cell;
            EXPECT_EQ(h.lit(h.lcd.seg_item[1][c]), c == cell) << cell;
        }
    }
}

TEST_F(PlayLoopTest, RandomPlayNeverPutsItemsInAdjacentCellsNorLaunchesTwiceInARow) {
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) h.coin->script.push_back(static_cast<int>(random() & 1));
    start_game_a();
    bot::Bot bot(h.engine, {.error_rate = 0.0, .silent_rate = 0.0, .seed = 3});
    h.engine.state.score = 500;  // the cap is 5 from the next tick on
    bool launched_before = false;
    int ticks_seen = 0;
    int launches = 0;
    while (ticks_seen < 3000) {
        const bot::EventSnapshot before = bot::snapshot(h.engine);
        ASSERT_TRUE(h.clock.step());
        if (!bot::was_play_tick(before, state())) {
            // The end of a bonus empties the field: the next launch follows no launch.
            if (state().bonus_step != before.state.bonus_step && state().lane == 1 &&
                items_in_flight(state()) == 0)
                launched_before = false;
            bot.act();
            continue;
        }
        ++ticks_seen;
        const int L = before.state.lane;
        const bool missed = state().misses != before.state.misses;
        const bool launched = !missed && state().lane_cell[L][1] == 1;
        EXPECT_FALSE(launched && launched_before) << "tick " << ticks_seen;
        launches += launched ? 1 : 0;
        launched_before = launched;
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c < 6; ++c) {
                EXPECT_FALSE(state().lane_cell[r][c] > 0 && state().lane_cell[r][c + 1] > 0)
                    << "lane " << r << " cells " << c << ", " << c + 1;
            }
        }
        bot.act();
    }
    EXPECT_GT(launches, 300);  // the rules were really tested on a busy field
}

TEST_F(PlayLoopTest, BallAtTheLineIsStruckFromTheBattersLane) {
    first_ball_to_batter_line();
    h.tap(Button::left);  // under lane 1 before the judging tick
    ticks(1);
    EXPECT_EQ(state().lane_cell[1][6], 2);
    EXPECT_TRUE(h.lit(im_item_1_6));
    EXPECT_EQ(state().misses, 0);
    EXPECT_FALSE(state().hero_active);
    EXPECT_FALSE(h.engine.Timer_Game.enabled());
    // The swing at once, the points later.
    EXPECT_TRUE(h.lit(im_hero_1_3));
    EXPECT_FALSE(h.lit(im_hero_1_2));
    EXPECT_EQ(state().score, 0);
}

TEST_F(PlayLoopTest, BallAtTheLineIsMissedFromAnotherLane) {
    first_ball_to_batter_line();
    const int frame = state().item_top_frame;
    const std::size_t moves = h.sound.count(Sample::move);
    ticks(1);
    EXPECT_EQ(state().misses, 1);
    EXPECT_EQ(state().lane_cell[1][6], 0);
    EXPECT_EQ(state().miss_flag[1], 1);
    EXPECT_TRUE(h.lit(im_item_1_miss));
    EXPECT_FALSE(h.lit(im_item_1_6));
    // A miss tick advances nothing: not the lane, not the pitcher, not the ball in lane 2.
    EXPECT_EQ(state().lane, 2);
    EXPECT_EQ(state().item_top_frame, frame);
    EXPECT_EQ(h.sound.count(Sample::move), moves);
    ASSERT_FALSE(h.sound.played.empty());
    EXPECT_EQ(h.sound.played.back().sample, Sample::miss);
    EXPECT_FALSE(h.engine.Timer_Game.enabled());
    EXPECT_TRUE(h.engine.Timer_Game_Reprise.enabled());
}

TEST_F(PlayLoopTest, StruckBallFliesOffOnItsLanesNextTurnAndVanishesOnTheFollowing) {
    first_ball_to_batter_line();
    h.tap(Button::left);
    ticks(1);  // strike on tick 17; the tick restarts 50 ms later
    h.clock.advance(50);
    ticks(2);  // ticks 18 (lane 3) and 19 (lane 1)
    EXPECT_EQ(state().lane_cell[1][6], 0);
    EXPECT_EQ(state().got_flag[1], 1);
    EXPECT_TRUE(h.lit(im_item_1_got));
    EXPECT_FALSE(h.lit(im_item_1_6));
    ticks(3);  // lane 1's following turn
    EXPECT_EQ(state().got_flag[1], 0);
    EXPECT_FALSE(h.lit(im_item_1_got));
}

TEST_F(PlayLoopTest, BatterMovesOnlyWhilePlayIsActiveAndStaysInsideTheField) {
    h.engine.set_mode(mode_time_1);
    h.engine.press(Button::game_a);
    h.engine.release(Button::game_a);
    h.tap(Button::right);  // the start delay: not yet
    EXPECT_EQ(state().hero_pos, 2);
    h.clock.advance(3100);
    h.tap(Button::right);
    h.tap(Button::right);
    h.tap(Button::right);
    EXPECT_EQ(state().hero_pos, 3);
    EXPECT_TRUE(h.lit(im_hero_3_1) && h.lit(im_hero_3_2));
    EXPECT_FALSE(h.lit(im_hero_2_1) || h.lit(im_hero_2_2));
    h.tap(Button::left);
    h.tap(Button::left);
    h.tap(Button::left);
    EXPECT_EQ(state().hero_pos, 1);
}

TEST_F(PlayLoopTest, MoveDuringTheFirstFiftyMillisecondsAfterAStrikeIsIgnored) {
    first_ball_to_batter_line();
    h.tap(Button::left);
    ticks(1);
    h.tap(Button::right);
    EXPECT_EQ(state().hero_pos, 1);
    h.clock.advance(50);
    h.tap(Button::right);
    EXPECT_EQ(state().hero_pos, 2);
}

TEST_F(PlayLoopTest, HoldingLeftThenPressingRightMovesOnceUntilTheLatchIsCleared) {
    start_game_a();
    h.engine.press(Button::left);
    EXPECT_EQ(state().hero_pos, 1);
    h.engine.press(Button::right);  // ignored: LEFT holds the shared latch
    EXPECT_EQ(state().hero_pos, 1);
    EXPECT_TRUE(h.lit(btn_right_down));
    h.engine.release(Button::right);
    EXPECT_FALSE(h.engine.state.key_latch);
    h.engine.press(Button::left);  // the held key's next repeat acts, though at the edge
    EXPECT_EQ(state().hero_pos, 1);
    h.engine.press(Button::right);
    EXPECT_EQ(state().hero_pos, 1);
    h.engine.release(Button::left);
    h.engine.press(Button::right);
    EXPECT_EQ(state().hero_pos, 2);
}

TEST_F(PlayLoopTest, SilentStartFromTheReadyScreenStartsSoonAndWithoutSound) {
    h.engine.state.sound_enabled = true;
    h.engine.set_mode(mode_time_1);
    h.engine.press(Button::game_a);
    h.tap(Button::left);
    EXPECT_FALSE(h.lit(im_panel_sound));
    h.engine.release(Button::game_a);
    h.clock.advance(100);
    EXPECT_TRUE(state().hero_active);
    ticks(ticks_to_batter_line + 1);  // moves and a miss, all silent
    EXPECT_EQ(state().misses, 1);
    EXPECT_TRUE(h.sound.played.empty());
}

}  // namespace
}  // namespace zuzazizo
