// Keys and clicks reaching the buttons: slot order, unbound keys, the shared latch and the mouse
// capture, on a whole handheld.
#include "core/input/dispatch.h"

#include <gtest/gtest.h>

#include <string>

#include "core/input/virtual_keys.h"
#include "support/handheld.h"

namespace zuzazizo {
namespace {

using enum ImageId;

constexpr std::uint16_t vk_1 = vk::digit(1);
constexpr std::uint16_t vk_3 = vk::digit(3);
constexpr std::uint16_t vk_4 = vk::digit(4);
constexpr std::uint16_t vk_5 = vk::digit(5);
constexpr std::uint16_t vk_left = vk::left;
constexpr std::uint16_t vk_right = vk::right;

class DispatchTest : public ::testing::Test {
  protected:
    void load_keys() {
        keys.Key_Build_Names();
        keys.Key_Load_Bindings();
        keys.Key_Build_Hints(h.images);
    }
    // A running game A with the batter at `position` and nothing in flight yet.
    void play_with_hero_at(int position) {
        load_keys();
        h.start_game(Button::game_a);
        ASSERT_TRUE(h.engine.state.hero_active);
        h.engine.state.hero_pos = 2;
        while (h.engine.state.hero_pos > position) h.tap(Button::left);
        while (h.engine.state.hero_pos < position) h.tap(Button::right);
    }

    testing::Handheld h;
    KeyBindings keys{h.settings};
    InputDispatch input{keys, h.engine};
};

TEST_F(DispatchTest, UnboundKeysDoNothingOnPressOrRelease) {
    load_keys();
    h.engine.set_mode(mode_time_1);
    input.FormKeyDown(vk_4);  // LIGHT is on 5, not 4
    EXPECT_FALSE(h.lit(btn_light_down));
    EXPECT_FALSE(h.engine.state.key_latch);

    input.FormKeyDown(vk_5);
    EXPECT_TRUE(h.lit(btn_light_down));
    input.FormKeyUp(vk_4);  // not LIGHT's release
    EXPECT_TRUE(h.lit(btn_light_down));
    EXPECT_TRUE(h.engine.state.key_latch);
    input.FormKeyUp(vk_5);
    EXPECT_FALSE(h.lit(btn_light_down));
    EXPECT_FALSE(h.engine.state.key_latch);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
}

TEST_F(DispatchTest, HeldLightBlocksTimeUntilReleased) {
    load_keys();
    h.engine.set_mode(mode_time_1);
    input.FormKeyDown(vk_5);
    input.FormKeyDown(vk_3);
    input.FormKeyUp(vk_3);  // its release clears the shared latch though
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
    input.FormKeyDown(vk_3);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_2);
}

TEST_F(DispatchTest, HeldLeftActsOnceAndAClickOnRightReleasesTheSharedLatch) {
    play_with_hero_at(3);
    input.FormKeyDown(vk_left);
    EXPECT_EQ(h.engine.state.hero_pos, 2);
    for (int repeat = 0; repeat < 5; ++repeat) input.FormKeyDown(vk_left);
    EXPECT_EQ(h.engine.state.hero_pos, 2);

    // A click on RIGHT while LEFT is held: ignored, though its pressed look shows.
    input.mouse_down(btn_right_top, MouseButton::left);
    EXPECT_TRUE(h.lit(btn_right_down));
    EXPECT_EQ(h.engine.state.hero_pos, 2);
    input.mouse_up(MouseButton::left);
    EXPECT_FALSE(h.lit(btn_right_down));
    EXPECT_EQ(h.engine.state.hero_pos, 2);

    // The click's release cleared the latch, so the next repeat of the held LEFT acts.
    input.FormKeyDown(vk_left);
    EXPECT_EQ(h.engine.state.hero_pos, 1);
    input.FormKeyUp(vk_left);
    EXPECT_FALSE(h.lit(btn_left_down));
}

TEST_F(DispatchTest, HoldingLeftThenPressingTheRightKeyIsIgnored) {
    play_with_hero_at(2);
    input.FormKeyDown(vk_left);
    input.FormKeyDown(vk_right);
    EXPECT_EQ(h.engine.state.hero_pos, 1);
    input.FormKeyUp(vk_right);
    input.FormKeyDown(vk_right);
    EXPECT_EQ(h.engine.state.hero_pos, 2);
}

TEST_F(DispatchTest, TwoSlotsOnOneKeyLetOnlyTheEarlierSlotAct) {
    // Whole strings are stored rather than assigned from literals: GCC 12 at -O3 reports a
    // false overlap (-Wrestrict) in the inlined assignment of a one-character literal.
    h.backend.values.insert_or_assign("Key6", std::string{"39"});  // RIGHT on the left arrow
    h.backend.values.insert_or_assign("Key4", std::string{"2"});   // LIGHT on 1, like GAME A
    play_with_hero_at(2);
    input.FormKeyDown(vk_left);
    EXPECT_EQ(h.engine.state.hero_pos, 1);
    EXPECT_FALSE(h.lit(btn_right_down));
    input.FormKeyUp(vk_left);
    input.FormKeyDown(vk_left);
    EXPECT_EQ(h.engine.state.hero_pos, 1);  // still LEFT, never RIGHT
    input.FormKeyUp(vk_left);
    EXPECT_EQ(input.bound_button(vk_right), std::nullopt);

    h.engine.set_mode(mode_time_1);
    input.FormKeyDown(vk_1);
    EXPECT_TRUE(h.lit(btn_game_a_down));
    EXPECT_FALSE(h.lit(btn_light_down));
}

TEST_F(DispatchTest, MouseReleaseGoesToTheButtonThePressBeganOn) {
    load_keys();
    h.engine.set_mode(mode_time_1);
    input.mouse_down(btn_game_b_top, MouseButton::left);
    EXPECT_EQ(h.engine.state.game_mode, mode_game_b_ready);
    EXPECT_EQ(input.captured(), Button::game_b);
    // Dragged off the button onto the case: the release still reaches GAME B.
    input.mouse_up(MouseButton::left);
    EXPECT_EQ(h.engine.state.game_mode, mode_game_b);
    EXPECT_FALSE(h.lit(btn_game_b_down));
    EXPECT_EQ(input.captured(), std::nullopt);
}

TEST_F(DispatchTest, OnlyTheLeftMouseButtonOnAWorkingButtonPresses) {
    load_keys();
    h.engine.set_mode(mode_time_1);
    input.mouse_down(btn_time_top, MouseButton::right);
    input.mouse_up(MouseButton::right);
    input.mouse_down(btn_time_top, MouseButton::middle);
    input.mouse_up(MouseButton::middle);
    input.mouse_down(btn_set_top, MouseButton::left);
    input.mouse_up(MouseButton::left);
    input.mouse_down(im_background, MouseButton::left);
    input.mouse_up(MouseButton::left);
    input.mouse_down(std::nullopt, MouseButton::left);
    input.mouse_up(MouseButton::left);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_1);
    EXPECT_FALSE(h.lit(btn_time_down));

    // A right-button release during a left press leaves the press held.
    input.mouse_down(btn_time_top, MouseButton::left);
    input.mouse_up(MouseButton::right);
    EXPECT_TRUE(h.lit(btn_time_down));
    input.mouse_up(MouseButton::left);
    EXPECT_FALSE(h.lit(btn_time_down));
    EXPECT_EQ(h.engine.state.game_mode, mode_time_2);
}

TEST_F(DispatchTest, KeyAndMouseOnTheSameButtonShareOneLatch) {
    load_keys();
    h.engine.set_mode(mode_time_1);
    input.mouse_down(btn_time_top, MouseButton::left);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_2);
    input.FormKeyDown(vk_3);  // a repeat of the held button
    EXPECT_EQ(h.engine.state.game_mode, mode_time_2);
    input.FormKeyUp(vk_3);  // whichever comes up first releases it
    EXPECT_FALSE(h.lit(btn_time_down));
    input.mouse_up(MouseButton::left);
    EXPECT_EQ(h.engine.state.game_mode, mode_time_2);
}

}  // namespace
}  // namespace zuzazizo
