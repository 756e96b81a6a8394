#include <gtest/gtest.h>

#include <utility>

#include "support/handheld.h"

namespace zuzazizo {
namespace {

using enum ImageId;
using testing::Handheld;

TEST(StartupDisplay, LightsEverythingThenFallsIntoTheTimeAfter30Seconds) {
    Handheld h;
    h.wall_clock.time = {2026, 12, 8, 13, 7};
    h.engine.set_mode(mode_startup);
    EXPECT_EQ(h.panel(), "8888");
    EXPECT_EQ(h.small_place(), '8');
    EXPECT_TRUE(h.lit(im_panel_bell));
    EXPECT_TRUE(h.lit(im_hero_3_6));
    EXPECT_TRUE(h.lit(im_panel_miss_3));
    h.clock.advance(29999);
    EXPECT_EQ(h.engine.state.game_mode, mode_startup);
    h.clock.advance(1);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
    EXPECT_FALSE(h.engine.Timer_Startup.enabled());
    EXPECT_FALSE(h.lit(im_panel_bell));
    h.clock.advance(1);
    EXPECT_EQ(h.panel(), "_107");
    EXPECT_TRUE(h.lit(im_panel_time_pm));
}

TEST(GameStart, GameADuringTheStartupDisplayGoesToTheTimeAndItsReleaseDoesNothing) {
    Handheld h;
    h.engine.set_mode(mode_startup);
    h.engine.Inp_game_a_down();
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
    h.engine.Inp_game_a_up();
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
}

TEST(GameStart, ReadyScreenShowsTheHighScoreAndStartsAfter3100ms) {
    Handheld h;
    h.engine.state.sound_enabled = true;
    h.engine.state.hiscore_1 = 470;
    h.engine.set_mode(mode_time_1);
    h.engine.Inp_game_a_down();
    h.engine.Inp_game_a_down();  // auto-repeat
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a_ready);
    EXPECT_TRUE(h.lit(btn_game_a_down));
    EXPECT_TRUE(h.lit(im_panel_game_a));
    EXPECT_TRUE(h.lit(im_panel_sound));
    EXPECT_EQ(h.panel(), "_470");
    EXPECT_TRUE(h.lit(im_hero_2_1));
    EXPECT_TRUE(h.lit(im_hero_2_2));
    EXPECT_TRUE(h.lit(im_item_top_2_4));
    h.clock.advance(10000);  // holding the button keeps the ready screen
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a_ready);

    h.engine.Inp_game_a_up();
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a);
    EXPECT_FALSE(h.lit(btn_game_a_down));
    EXPECT_EQ(h.sound.count(Sample::start), 1);
    EXPECT_EQ(h.panel(), "_470");  // still the high score during the delay
    h.clock.advance(3099);
    EXPECT_FALSE(h.engine.state.hero_active);
    h.clock.advance(1);
    EXPECT_EQ(h.panel(), "___0");
    EXPECT_TRUE(h.engine.state.hero_active);
    EXPECT_TRUE(h.engine.Timer_Game.enabled());
    EXPECT_EQ(h.engine.Timer_Game.interval_ms(), 310);
    EXPECT_EQ(h.engine.state.max_items, 1);
}

TEST(GameStart, LeftOnTheReadyScreenGivesASilentStart100msAfterRelease) {
    Handheld h;
    h.engine.state.sound_enabled = true;
    h.engine.set_mode(mode_time_1);
    h.engine.Inp_game_b_down();
    h.tap(Button::left);
    EXPECT_FALSE(h.lit(im_panel_sound));
    EXPECT_EQ(h.engine.state.hero_pos, 2);  // the hero is not active yet
    h.engine.Inp_game_b_up();
    EXPECT_EQ(h.sound.count(Sample::start), 0);
    h.clock.advance(99);
    EXPECT_FALSE(h.engine.state.hero_active);
    h.clock.advance(1);
    EXPECT_TRUE(h.engine.state.hero_active);
    EXPECT_EQ(h.engine.Timer_Game.interval_ms(), 285);
    // The next selection of a game switches the sound back on.
    h.engine.set_mode(mode_time_1);
    h.engine.Inp_game_b_down();
    EXPECT_TRUE(h.engine.state.game_sound);
    EXPECT_TRUE(h.lit(im_panel_sound));
}

TEST(GameStart, OtherButtonsAreIgnoredWhileAGameButtonIsHeldOrAGameRuns) {
    Handheld h;
    h.engine.set_mode(mode_time_1);
    h.engine.Inp_game_a_down();
    h.engine.Inp_game_b_down();
    h.tap(Button::time);
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a_ready);
    EXPECT_TRUE(h.lit(btn_game_b_down));
    h.engine.Inp_game_b_up();
    h.engine.Inp_game_a_up();
    h.tap(Button::game_b);
    h.tap(Button::game_a);
    h.tap(Button::time);
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a);
}

TEST(GameStart, GameAInGameOverStopsTheReturnToTheClock) {
    Handheld h;
    h.engine.state.hiscore_1 = 120;
    h.engine.state.game_mode = mode_game_over;
    h.engine.Timer_Game_Over.set_interval(30000);
    h.engine.Timer_Game_Over.enable();
    h.engine.Inp_game_a_down();
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a_ready);
    EXPECT_FALSE(h.engine.Timer_Game_Over.enabled());
    EXPECT_EQ(h.panel(), "_120");
}

TEST(Level, IntervalsAndCapsFollowTheScoreWithinTheThousand) {
    struct Row {
        std::int32_t mode, score, interval_ms, max_items;
    };
    const Row rows[] = {
        {mode_game_a, 0, 310, 1},   {mode_game_b, 0, 285, 1},    {mode_game_a, 30, 310, 1},
        {mode_game_a, 40, 310, 2},  {mode_game_b, 40, 285, 3},   {mode_game_a, 100, 285, 2},
        {mode_game_b, 290, 250, 3}, {mode_game_b, 300, 225, 3},  {mode_game_a, 590, 255, 5},
        {mode_game_a, 600, 215, 5}, {mode_game_b, 700, 185, 5},  {mode_game_a, 990, 215, 5},
        {mode_game_b, 990, 185, 5}, {mode_game_a, 1000, 310, 1}, {mode_game_b, 2040, 285, 3},
    };
    for (const Row& row : rows) {
        Handheld h;
        h.engine.state.game_mode = row.mode;
        h.engine.state.score = row.score;
        h.engine.Gam_Set_Level();
        EXPECT_EQ(h.engine.Timer_Game.interval_ms(), row.interval_ms)
            << row.mode << " " << row.score;
        EXPECT_EQ(h.engine.state.max_items, row.max_items) << row.mode << " " << row.score;
    }
}

TEST(Level, OutsideAGameNothingChanges) {
    Handheld h;
    for (std::int32_t mode : {0, 1, 5, 6, 7, 10}) {
        h.engine.state.game_mode = mode;
        h.engine.state.score = 990;
        h.engine.Gam_Set_Level();
        EXPECT_EQ(h.engine.Timer_Game.interval_ms(), 1);
        EXPECT_EQ(h.engine.state.max_items, 0);
    }
}

TEST(Level, AnUnchangedIntervalDoesNotRestartTheTick) {
    Handheld h;
    h.start_game(Button::game_a);
    h.clock.advance(200);  // 110 ms before the first tick
    h.engine.Gam_Set_Level();
    h.clock.advance(110);
    EXPECT_EQ(h.engine.state.lane, 2) << "the first tick came on time";
}

TEST(StopAllTimers, LeavesIntervalsSoALaterEnableRunsAtThePreviousPeriod) {
    Handheld h;
    h.engine.Timer_Got.set_interval(100);
    h.engine.Timer_Got.enable();
    h.engine.Timer_Clock.set_interval(1000);
    h.engine.Timer_Clock.enable();
    h.engine.Gam_Stop_All_Timers();
    const std::pair<const char*, const Timer*> timers[] = {
        {"Timer_Bonus", &h.engine.Timer_Bonus},
        {"Timer_Clock", &h.engine.Timer_Clock},
        {"Timer_Date", &h.engine.Timer_Date},
        {"Timer_Game", &h.engine.Timer_Game},
        {"Timer_Game_Over", &h.engine.Timer_Game_Over},
        {"Timer_Game_Reprise", &h.engine.Timer_Game_Reprise},
        {"Timer_Game_Start", &h.engine.Timer_Game_Start},
        {"Timer_Got", &h.engine.Timer_Got},
        {"Timer_Startup", &h.engine.Timer_Startup},
    };
    for (const auto& [name, timer] : timers) EXPECT_FALSE(timer->enabled()) << name;
    EXPECT_EQ(h.engine.Timer_Got.interval_ms(), 100);
    EXPECT_EQ(h.engine.Timer_Clock.interval_ms(), 1000);
}

TEST(Sound, Snd_PlaySoundsOnlyWithBothSwitchesOn) {
    Handheld h;
    for (bool enabled : {false, true}) {
        for (bool game : {false, true}) {
            h.engine.state.sound_enabled = enabled;
            h.engine.state.game_sound = game;
            h.engine.Snd_Play(Sample::got);
        }
    }
    EXPECT_EQ(h.sound.count(Sample::got), 1);
}

TEST(Hiscores, AreReadOnceFromTheStoreAndResetWritesZero) {
    Handheld h;
    h.backend.values = {{"HiScore1", " $64"}, {"HiScore2", "junk"}};
    h.engine.read_hiscores();
    EXPECT_EQ(h.engine.state.hiscore_1, 100);
    EXPECT_EQ(h.engine.state.hiscore_2, 0);
    h.engine.reset_hiscores();
    EXPECT_EQ(h.backend.values["HiScore1"], "0");
    EXPECT_EQ(h.backend.values["HiScore2"], "0");
}

}  // namespace
}  // namespace zuzazizo
