// Game controllers reaching the buttons: the face buttons and the D-pad, the stick's dead zone
// and hysteresis, several controls and controllers on one button, refused presses and a
// controller that goes away, on a whole handheld.
#include "core/input/gamepad_map.h"

#include <gtest/gtest.h>

#include "support/handheld.h"

namespace zuzazizo {
namespace {

using enum ImageId;
using enum PadControl;

constexpr std::int32_t pad_1 = 7;
constexpr std::int32_t pad_2 = 9;

class GamepadMapTest : public ::testing::Test {
  protected:
    // A running game A with the batter in the centre and nothing in flight yet.
    void play() {
        h.start_game(Button::game_a);
        ASSERT_TRUE(h.engine.state.hero_active);
        ASSERT_EQ(h.engine.state.hero_pos, 2);
    }

    testing::Handheld h;
    bool accepting = true;
    GamepadMap pad{h.engine, [this] { return accepting; }};
};

TEST_F(GamepadMapTest, SouthButtonShowsTheReadyScreenAndItsReleaseStartsGameA) {
    h.engine.set_mode(mode_time_1);
    pad.control_down(pad_1, south);
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a_ready);
    EXPECT_TRUE(h.lit(btn_game_a_down));
    pad.control_up(pad_1, south);
    EXPECT_EQ(h.engine.state.game_mode, mode_game_a);
    EXPECT_FALSE(h.lit(btn_game_a_down));
}

TEST_F(GamepadMapTest, EachControlWorksItsOwnButton) {
    const std::pair<PadControl, ImageId> cases[] = {
        {east, btn_game_b_down},    {west, btn_time_down},        {north, btn_light_down},
        {dpad_left, btn_left_down}, {dpad_right, btn_right_down},
    };
    for (const auto& [control, pressed] : cases) {
        h.engine.set_mode(mode_time_1);
        pad.control_down(pad_1, control);
        EXPECT_TRUE(h.lit(pressed)) << static_cast<int>(control);
        pad.control_up(pad_1, control);
        EXPECT_FALSE(h.lit(pressed)) << static_cast<int>(control);
    }
    h.engine.set_mode(mode_time_1);
    pad.control_down(pad_1, east);
    EXPECT_EQ(h.engine.state.game_mode, mode_game_b_ready);
}

TEST_F(GamepadMapTest, DpadMovesTheBatterOncePerPress) {
    play();
    pad.control_down(pad_1, dpad_left);
    pad.control_down(pad_1, dpad_left);  // a repeated report of the same state
    EXPECT_EQ(h.engine.state.hero_pos, 1);
    pad.control_up(pad_1, dpad_left);
    pad.control_down(pad_1, dpad_right);
    pad.control_up(pad_1, dpad_right);
    pad.control_down(pad_1, dpad_right);
    pad.control_up(pad_1, dpad_right);
    EXPECT_EQ(h.engine.state.hero_pos, 3);
    EXPECT_FALSE(h.engine.state.key_latch);
}

TEST_F(GamepadMapTest, StickHasADeadZoneAndNeedsToComeBackBeforeItActsAgain) {
    play();
    pad.stick_x(pad_1, -stick_press + 1);  // inside the dead zone
    EXPECT_EQ(h.engine.state.hero_pos, 2);
    pad.stick_x(pad_1, -stick_press);
    EXPECT_EQ(h.engine.state.hero_pos, 1);
    EXPECT_TRUE(pad.holds(Button::left));
    // Wobbling between the two thresholds neither lets go nor presses again.
    for (const std::int32_t wobble : {-stick_release - 1, -stick_full_scale, -stick_press + 1}) {
        pad.stick_x(pad_1, wobble);
        EXPECT_TRUE(pad.holds(Button::left));
    }
    pad.stick_x(pad_1, -stick_release);
    EXPECT_FALSE(pad.holds(Button::left));
    EXPECT_FALSE(h.engine.state.key_latch);
    pad.stick_x(pad_1, stick_press);
    EXPECT_EQ(h.engine.state.hero_pos, 2);
}

TEST_F(GamepadMapTest, FlickAcrossTheCentreReleasesOneSideBeforePressingTheOther) {
    play();
    pad.stick_x(pad_1, -stick_full_scale);
    pad.stick_x(pad_1, stick_full_scale);
    EXPECT_FALSE(pad.holds(Button::left));
    EXPECT_TRUE(pad.holds(Button::right));
    // The shared latch was cleared by the release, so the right push moved the batter back.
    EXPECT_EQ(h.engine.state.hero_pos, 2);
}

TEST_F(GamepadMapTest, ButtonStaysDownUntilTheLastControlHoldingItLetsGo) {
    play();
    pad.control_down(pad_1, dpad_left);
    pad.stick_x(pad_1, -stick_full_scale);
    pad.control_down(pad_2, dpad_left);
    EXPECT_EQ(h.engine.state.hero_pos, 1);
    pad.control_up(pad_1, dpad_left);
    pad.stick_x(pad_1, 0);
    EXPECT_TRUE(h.lit(btn_left_down));
    EXPECT_TRUE(h.engine.state.key_latch);
    pad.control_up(pad_2, dpad_left);
    EXPECT_FALSE(h.lit(btn_left_down));
    EXPECT_FALSE(h.engine.state.key_latch);
}

TEST_F(GamepadMapTest, ControllerThatGoesAwayReleasesWhatItHeld) {
    play();
    pad.control_down(pad_1, dpad_right);
    pad.control_down(pad_2, north);
    pad.pad_removed(pad_1);
    EXPECT_FALSE(h.lit(btn_right_down));
    EXPECT_FALSE(pad.holds(Button::right));
    EXPECT_TRUE(h.lit(btn_light_down));  // the other controller still holds LIGHT
    pad.pad_removed(pad_2);
    EXPECT_FALSE(h.lit(btn_light_down));
    EXPECT_FALSE(h.engine.state.key_latch);
    pad.pad_removed(pad_2);             // a second notice of the same removal
    pad.control_up(pad_1, dpad_right);  // a late report from the removed controller
    EXPECT_EQ(h.engine.state.hero_pos, 3);
}

TEST_F(GamepadMapTest, PressRefusedWhileBusyIsForgottenAndItsReleaseDoesNothing) {
    h.engine.set_mode(mode_time_1);
    accepting = false;
    pad.control_down(pad_1, south);
    pad.stick_x(pad_1, stick_full_scale);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
    EXPECT_FALSE(h.lit(btn_game_a_down));
    accepting = true;
    pad.control_up(pad_1, south);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
    // A press the handheld took is released even when new presses are refused meanwhile.
    pad.control_down(pad_1, west);
    accepting = false;
    pad.control_up(pad_1, west);
    EXPECT_FALSE(h.lit(btn_time_down));
    EXPECT_FALSE(h.engine.state.key_latch);
}

}  // namespace
}  // namespace zuzazizo
