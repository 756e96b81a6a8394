// Strikes, the bonus, the after-miss pause and game over, played on the virtual clock.
#include <gtest/gtest.h>

#include "support/handheld.h"

namespace zuzazizo {
namespace {

using enum ImageId;

constexpr int tick_a_ms = 310;  // game A below 100 points, and again after every bonus
constexpr int ticks_to_batter_line = 16;

class OutcomesTest : public ::testing::Test {
  protected:
    void SetUp() override { h.engine.state.sound_enabled = true; }

    // The first ball of the game (forced into lane 1 by the first tick) waits at the batter's
    // line; the coin never launches at random, so nothing else is in flight.
    void first_ball_to_batter_line(Button game = Button::game_a) {
        h.start_game(game);
        h.clock.advance(static_cast<std::int64_t>(ticks_to_batter_line) * tick_ms(game));
        ASSERT_EQ(state().lane_cell[1][6], 1);
    }
    static int tick_ms(Button game) { return game == Button::game_a ? tick_a_ms : 285; }
    // Strikes the waiting ball; returns the time of the strike tick.
    std::int64_t strike(Button game = Button::game_a) {
        h.tap(Button::left);
        h.clock.advance(tick_ms(game));
        EXPECT_EQ(state().lane_cell[1][6], 2);
        return h.clock.now_ms();
    }
    // Lets the waiting ball through; returns the time of the miss tick.
    std::int64_t miss(Button game = Button::game_a) {
        h.clock.advance(tick_ms(game));
        EXPECT_EQ(state().miss_flag[1], 1);
        return h.clock.now_ms();
    }
    // A strike from position 1 that brings the score to 1000; returns the time of its points.
    std::int64_t strike_thousandth_point() {
        first_ball_to_batter_line();
        h.engine.state.score = 990;
        return strike() + 50;
    }
    void advance_to(std::int64_t at_ms) { h.clock.advance(at_ms - h.clock.now_ms()); }
    int count_since(Sample sample, std::int64_t from_ms) const {
        int n = 0;
        for (const auto& p : h.sound.played) n += p.sample == sample && p.at_ms >= from_ms;
        return n;
    }
    bool ready_pose_at(int p) const {
        return h.lit(*h.lcd.seg_hero[p][1]) && h.lit(*h.lcd.seg_hero[p][2]) &&
               !h.lit(*h.lcd.seg_hero[p][3]);
    }
    int items_on_field() const {
        int n = 0;
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c <= 6; ++c)
                n += state().lane_cell[r][c] != 0 || h.lit(h.lcd.seg_item[r][c]);
        }
        return n;
    }
    const GameState& state() const { return h.engine.state; }

    testing::Handheld h;
};

TEST_F(OutcomesTest, StrikeScoresTenFiftyMillisecondsLaterAndTheBatterIsReadyAHundredAfter) {
    first_ball_to_batter_line();
    const std::int64_t struck_ms = strike();
    advance_to(struck_ms + 49);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(h.panel(), "___0");
    EXPECT_EQ(count_since(Sample::got, 0), 0);

    advance_to(struck_ms + 50);
    EXPECT_EQ(state().score, 10);
    EXPECT_EQ(h.panel(), "__10");
    ASSERT_EQ(count_since(Sample::got, 0), 1);
    EXPECT_EQ(count_since(Sample::got, struck_ms + 50), 1);
    EXPECT_TRUE(h.lit(im_hero_1_4));  // the ball at the bat
    EXPECT_TRUE(h.lit(im_hero_1_3));  // still swinging
    EXPECT_TRUE(state().hero_active);

    advance_to(struck_ms + 149);
    EXPECT_FALSE(ready_pose_at(1));
    advance_to(struck_ms + 150);
    EXPECT_TRUE(ready_pose_at(1));
    EXPECT_FALSE(h.engine.Timer_Got.enabled());

    // The tick restarted a full period after the points: the strike tick left lane 3 next.
    advance_to(struck_ms + 50 + tick_a_ms - 1);
    EXPECT_EQ(state().lane, 3);
    advance_to(struck_ms + 50 + tick_a_ms);
    EXPECT_EQ(state().lane, 1);
    EXPECT_FALSE(h.lit(im_hero_1_4));  // hidden by the tick that leaves `lane` at 1
}

TEST_F(OutcomesTest, ThousandthPointWalksTheBatterRightAndCelebrates) {
    const std::int64_t bonus_ms = strike_thousandth_point();
    EXPECT_EQ(h.engine.Timer_Game.interval_ms(), 215);  // the speed at 990
    advance_to(bonus_ms);
    EXPECT_EQ(h.panel(), "1000");
    EXPECT_EQ(count_since(Sample::got, 0), 1);
    EXPECT_FALSE(state().hero_active);
    EXPECT_FALSE(h.engine.Timer_Game.enabled());
    EXPECT_FALSE(h.engine.Timer_Got.enabled());
    EXPECT_FALSE(h.lit(im_hero_1_4));

    advance_to(bonus_ms + 375);
    EXPECT_EQ(state().hero_pos, 2);
    EXPECT_TRUE(ready_pose_at(2));
    advance_to(bonus_ms + 750);
    EXPECT_EQ(state().hero_pos, 3);
    advance_to(bonus_ms + 1125);  // the celebration
    EXPECT_TRUE(h.lit(im_hero_3_5));
    EXPECT_FALSE(h.lit(im_hero_3_2) || h.lit(im_hero_3_3));
    for (int step = 4; step <= 8; ++step) {
        advance_to(bonus_ms + 1125 + (step - 3) * 500);
        EXPECT_EQ(h.lit(im_hero_3_6), step % 2 == 0) << step;
        EXPECT_EQ(h.lit(im_hero_3_5), step % 2 == 1) << step;
    }
    EXPECT_EQ(count_since(Sample::move, bonus_ms + 1), 8);
    EXPECT_TRUE(h.lit(im_item_1_6));  // the struck ball stays until the end
}

TEST_F(OutcomesTest, BonusEndsWithAnEmptyFieldAndPlayRestartsAtTheSpeedOfScoreZero) {
    const std::int64_t bonus_ms = strike_thousandth_point();
    const std::int64_t end_ms = bonus_ms + 1125 + 5 * 500 + 1000;
    advance_to(end_ms - 1);
    EXPECT_TRUE(h.lit(im_hero_3_6));
    advance_to(end_ms);
    EXPECT_FALSE(h.lit(im_hero_3_6));
    EXPECT_FALSE(h.lit(im_hero_3_1));
    EXPECT_EQ(state().hero_pos, 2);
    EXPECT_TRUE(ready_pose_at(2));
    EXPECT_EQ(items_on_field(), 0);
    EXPECT_EQ(state().lane, 1);
    EXPECT_EQ(state().max_items, 1);
    EXPECT_EQ(h.engine.Timer_Game.interval_ms(), tick_a_ms);
    EXPECT_TRUE(state().hero_active);
    EXPECT_FALSE(h.engine.Timer_Bonus.enabled());

    // Play resumes one slow period later with the forced launch into the empty field.
    advance_to(end_ms + tick_a_ms - 1);
    EXPECT_EQ(state().lane_cell[1][1], 0);
    advance_to(end_ms + tick_a_ms);
    EXPECT_EQ(state().lane_cell[1][1], 1);
    EXPECT_EQ(h.panel(), "1000");
}

TEST_F(OutcomesTest, BonusBegunAtTheRightEdgeSkipsTheWalk) {
    first_ball_to_batter_line();
    // Bring the ball under a batter at 3 by moving the ball, as a later lane-3 ball would be.
    h.engine.state.lane_cell[1][6] = 0;
    h.engine.state.lane_cell[3][6] = 1;
    h.engine.state.score = 1990;
    h.tap(Button::right);
    h.clock.advance(tick_a_ms + 50);
    EXPECT_EQ(state().bonus_step, 3);
    h.clock.advance(375);
    EXPECT_TRUE(h.lit(im_hero_3_5));
    EXPECT_EQ(state().hero_pos, 3);
}

TEST_F(OutcomesTest, BatterMovedDuringTheSwingIsReadyWhereItStands) {
    first_ball_to_batter_line();
    const std::int64_t struck_ms = strike();
    advance_to(struck_ms + 50);
    h.tap(Button::right);
    h.tap(Button::right);
    advance_to(struck_ms + 150);
    EXPECT_TRUE(ready_pose_at(3));
    for (int p = 1; p <= 2; ++p) {
        for (int f = 1; f <= 3; ++f) EXPECT_FALSE(h.lit(*h.lcd.seg_hero[p][f])) << p << f;
    }
}

TEST_F(OutcomesTest, StrikeAtNineThousandNineHundredNinetyWrapsToZeroAndRunsTheBonus) {
    first_ball_to_batter_line();
    h.engine.state.score = 9990;
    const std::int64_t struck_ms = strike();
    advance_to(struck_ms + 50);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(h.panel(), "___0");
    EXPECT_TRUE(h.engine.Timer_Bonus.enabled());
    advance_to(struck_ms + 50 + 5125);
    EXPECT_TRUE(state().hero_active);
    EXPECT_EQ(h.engine.Timer_Game.interval_ms(), tick_a_ms);
    EXPECT_EQ(state().game_mode, mode_game_a);
}

TEST_F(OutcomesTest, MissPausesAboutThreeSecondsAndShowsItsMarkOnlyAtTheEnd) {
    first_ball_to_batter_line();
    const std::int64_t missed_ms = miss();
    EXPECT_FALSE(h.lit(im_panel_miss_1));
    h.tap(Button::left);  // the batter is frozen during the pause
    EXPECT_EQ(state().hero_pos, 2);

    advance_to(missed_ms + 1 + 140);
    EXPECT_TRUE(h.lit(im_item_top_3_1));  // the after-miss figure
    const std::int64_t resume_ms = missed_ms + 1 + 140 + 375 + 5 * 500;
    advance_to(resume_ms - 1);
    EXPECT_FALSE(h.lit(im_panel_miss_1));
    EXPECT_FALSE(h.engine.Timer_Game.enabled());
    EXPECT_TRUE(h.lit(im_item_1_miss));
    advance_to(resume_ms);
    EXPECT_TRUE(h.lit(im_panel_miss_1));
    EXPECT_FALSE(h.lit(im_panel_miss_2));
    EXPECT_FALSE(h.lit(im_item_1_miss));
    EXPECT_EQ(state().miss_flag[1], 0);
    EXPECT_TRUE(state().hero_active);
    EXPECT_EQ(count_since(Sample::move, missed_ms + 1), 6);

    // Play goes on with the same lane, at the same speed.
    EXPECT_EQ(state().lane, 2);
    advance_to(resume_ms + tick_a_ms);
    EXPECT_EQ(state().lane, 3);
}

TEST_F(OutcomesTest, EveryMissStartsTheMissSampleTwice) {
    first_ball_to_batter_line();
    const std::int64_t missed_ms = miss();
    advance_to(missed_ms + 4000);
    std::vector<std::int64_t> miss_ms;
    for (const auto& p : h.sound.played) {
        if (p.sample == Sample::miss) miss_ms.push_back(p.at_ms);
    }
    EXPECT_EQ(miss_ms, (std::vector<std::int64_t>{missed_ms, missed_ms + 1}));

    h.engine.state.misses = 2;  // the next miss ends the game: its sequence does the same
    h.engine.state.lane_cell[3][6] = 1;
    h.clock.advance(tick_a_ms);
    EXPECT_EQ(state().misses, 3);
    h.clock.advance(10);
    EXPECT_EQ(count_since(Sample::miss, 0), 4);
}

TEST_F(OutcomesTest, ThirdMissEndsTheGameSavesABeatenHighScoreAndReturnsToTheClock) {
    first_ball_to_batter_line();
    h.engine.state.misses = 2;
    h.engine.state.score = 120;
    const std::int64_t missed_ms = miss();
    EXPECT_TRUE(h.engine.Timer_Game_Over.enabled());
    EXPECT_FALSE(h.engine.Timer_Game_Reprise.enabled());

    const std::int64_t mark_ms = missed_ms + 1 + 140 + 375 + 4 * 500 + 530;
    advance_to(mark_ms - 1);
    EXPECT_FALSE(h.lit(im_panel_miss_3));
    advance_to(mark_ms);
    EXPECT_TRUE(h.lit(im_panel_miss_3));
    EXPECT_EQ(count_since(Sample::gameover, mark_ms), 1);

    advance_to(mark_ms + 4200 - 1);
    EXPECT_FALSE(h.backend.values.contains("HiScore1"));
    EXPECT_EQ(state().game_mode, mode_game_a);
    advance_to(mark_ms + 4200);
    EXPECT_EQ(h.backend.values["HiScore1"], "120");
    EXPECT_EQ(state().hiscore_1, 120);
    EXPECT_FALSE(h.backend.values.contains("HiScore2"));
    EXPECT_EQ(state().game_mode, mode_game_over);
    EXPECT_TRUE(h.lit(im_panel_miss_3));  // the ended game stays on screen
    EXPECT_TRUE(h.lit(im_item_1_miss));

    advance_to(mark_ms + 4200 + 30000 - 1);
    EXPECT_EQ(state().game_mode, mode_game_over);
    advance_to(mark_ms + 4200 + 30000);
    EXPECT_EQ(state().game_mode, mode_time_1);
    EXPECT_TRUE(h.lit(im_panel_time_1));
    EXPECT_FALSE(h.engine.Timer_Game_Over.enabled());
}

TEST_F(OutcomesTest, ScoreEqualToTheHighScoreWritesNothing) {
    h.engine.state.hiscore_1 = 120;
    first_ball_to_batter_line();
    h.engine.state.misses = 2;
    h.engine.state.score = 120;
    miss();
    h.clock.advance(10000);
    EXPECT_EQ(state().game_mode, mode_game_over);
    EXPECT_FALSE(h.backend.values.contains("HiScore1"));
}

TEST_F(OutcomesTest, GameBKeepsItsOwnHighScore) {
    first_ball_to_batter_line(Button::game_b);
    h.engine.state.misses = 2;
    h.engine.state.score = 50;
    miss(Button::game_b);
    h.clock.advance(10000);
    EXPECT_EQ(h.backend.values["HiScore2"], "50");
    EXPECT_FALSE(h.backend.values.contains("HiScore1"));
}

TEST_F(OutcomesTest, GameButtonsWaitForTheEndOfTheGameOverSequence) {
    first_ball_to_batter_line();
    h.engine.state.misses = 2;
    const std::int64_t missed_ms = miss();
    advance_to(missed_ms + 3000);
    h.tap(Button::game_a);
    h.tap(Button::time);
    EXPECT_EQ(state().game_mode, mode_game_a);
    advance_to(missed_ms + 1 + 140 + 375 + 2000 + 530 + 4200);
    EXPECT_EQ(state().game_mode, mode_game_over);
    h.engine.press(Button::game_a);
    EXPECT_EQ(state().game_mode, mode_game_a_ready);
    EXPECT_FALSE(h.engine.Timer_Game_Over.enabled());
}

TEST_F(OutcomesTest, SilentGameEndsInSilenceFourPointOneSecondsSooner) {
    h.engine.set_mode(mode_time_1);
    h.engine.press(Button::game_a);
    h.tap(Button::left);
    h.engine.release(Button::game_a);
    h.clock.advance(100);
    h.clock.advance(static_cast<std::int64_t>(ticks_to_batter_line) * tick_a_ms);
    h.engine.state.misses = 2;
    const std::int64_t missed_ms = miss();
    const std::int64_t mark_ms = missed_ms + 1 + 140 + 375 + 4 * 500 + 530;
    advance_to(mark_ms + 100 - 1);
    EXPECT_EQ(state().game_mode, mode_game_a);
    advance_to(mark_ms + 100);
    EXPECT_EQ(state().game_mode, mode_game_over);  // 4200 - 100 ms sooner than with sound
    EXPECT_TRUE(h.sound.played.empty());
}

}  // namespace
}  // namespace zuzazizo
