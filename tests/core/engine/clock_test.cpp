#include <gtest/gtest.h>

#include "support/handheld.h"

namespace zuzazizo {
namespace {

using enum ImageId;
using testing::Handheld;

std::string time_reading(int hour, int minute) {
    Handheld h;
    h.wall_clock.time.hour = hour;
    h.wall_clock.time.minute = minute;
    h.engine.set_mode(mode_time_1);
    h.clock.advance(1);
    std::string text = h.panel();
    text += h.lit(im_panel_time_am) ? " AM" : "";
    text += h.lit(im_panel_time_pm) ? " PM" : "";
    return text;
}

std::string date_reading(int month, int day) {
    Handheld h;
    h.wall_clock.time.month = month;
    h.wall_clock.time.day = day;
    h.engine.set_mode(mode_date);
    h.clock.advance(1);
    EXPECT_FALSE(h.lit(im_panel_time_am) || h.lit(im_panel_time_pm));
    return h.panel();
}

TEST(ClockReadings, TwelveHourTimeWithAmAndPm) {
    EXPECT_EQ(time_reading(0, 5), "1205 AM");
    EXPECT_EQ(time_reading(12, 30), "1230 PM");
    EXPECT_EQ(time_reading(13, 7), "_107 PM");
    EXPECT_EQ(time_reading(9, 0), "_900 AM");
    EXPECT_EQ(time_reading(10, 9), "1009 AM");
    EXPECT_EQ(time_reading(23, 59), "1159 PM");
}

TEST(ClockReadings, MonthAndDay) {
    EXPECT_EQ(date_reading(12, 7), "12_7");
    EXPECT_EQ(date_reading(1, 3), "_1_3");
    EXPECT_EQ(date_reading(10, 25), "1025");
}

TEST(ClockMode, DigitsAreEmptyUntilTheFirstEventThenRefreshEverySecond) {
    Handheld h;
    h.wall_clock.time = {2026, 12, 8, 8, 59};
    h.engine.set_mode(mode_time_1);
    EXPECT_EQ(h.panel(), "____");
    h.clock.advance(1);
    EXPECT_EQ(h.panel(), "_859");
    EXPECT_EQ(h.engine.Timer_Clock.interval_ms(), 1000);
    h.wall_clock.time.hour = 9;
    h.wall_clock.time.minute = 0;
    h.clock.advance(999);
    EXPECT_EQ(h.panel(), "_859");
    h.clock.advance(1);
    EXPECT_EQ(h.panel(), "_900");
}

TEST(ClockMode, TimeStepsThroughTheFiveModesAndBack) {
    Handheld h;
    h.wall_clock.time = {2026, 12, 7, 10, 9};
    h.engine.set_mode(mode_startup);
    h.tap(Button::time);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
    h.clock.advance(5);
    EXPECT_TRUE(h.lit(im_panel_time_1));

    h.tap(Button::time);  // 2: the clock keeps running, only the indicator changes
    EXPECT_EQ(h.engine.state.game_mode, mode_time_2);
    EXPECT_EQ(h.panel(), "1009");
    EXPECT_FALSE(h.lit(im_panel_time_1));
    EXPECT_TRUE(h.lit(im_panel_time_2));
    EXPECT_TRUE(h.engine.Timer_Clock.enabled());

    h.tap(Button::time);  // 3: the alarm, always 12:00 AM
    EXPECT_EQ(h.panel(), "1200");
    EXPECT_TRUE(h.lit(im_panel_alarm) && h.lit(im_panel_time_am) && h.lit(im_panel_time_colon));
    EXPECT_FALSE(h.engine.Timer_Clock.enabled());

    h.tap(Button::time);  // 4: the date
    h.clock.advance(1);
    EXPECT_EQ(h.panel(), "12_7");

    h.tap(Button::time);  // 5: the chronometer at zero with a small 0
    EXPECT_EQ(h.panel(), "0000");
    EXPECT_EQ(h.small_place(), '0');
    EXPECT_TRUE(h.lit(im_panel_chrono));
    h.clock.advance(5000);
    EXPECT_EQ(h.panel(), "0000");

    h.tap(Button::time);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
}

TEST(ClockMode, TimeFromTheEndOfAGameGoesToTheTimeDisplay) {
    Handheld h;
    h.engine.state.game_mode = mode_game_over;
    h.tap(Button::time);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
}

TEST(ClockMode, LightHoldsOffTimeUntilReleased) {
    Handheld h;
    h.engine.set_mode(mode_time_1);
    h.engine.Inp_time_down();  // TIME held: steps to 2
    h.engine.Inp_light_down();
    EXPECT_TRUE(h.lit(im_background_light));
    EXPECT_TRUE(h.lit(btn_light_down));
    h.engine.Inp_time_down();  // auto-repeat of TIME while LIGHT is held
    EXPECT_EQ(h.engine.state.game_mode, mode_time_2);
    h.engine.Inp_light_up();
    EXPECT_FALSE(h.lit(im_background_light));
    h.engine.Inp_time_down();  // the next repeat of the still-held TIME acts
    EXPECT_EQ(h.engine.state.game_mode, mode_alarm);
}

TEST(ClockMode, TimeDuringAGameOnlyShowsThePressedButton) {
    Handheld h;
    h.start_game(Button::game_a);
    h.engine.Inp_time_down();
    EXPECT_TRUE(h.lit(btn_time_down));
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a);
    h.engine.Inp_time_up();
    EXPECT_FALSE(h.lit(btn_time_down));
}

}  // namespace
}  // namespace zuzazizo
