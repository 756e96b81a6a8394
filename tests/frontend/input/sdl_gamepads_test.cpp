// A controller driven through SDL's virtual joystick on the real main window: found without a
// poll while none is plugged in, GAME A pressed and released, the batter moved, and the
// controller pulled out in the middle of a game.
#include "frontend/input/sdl_gamepads.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <QTest>

#include "frontend/app/unit1.h"
#include "support/qt_app.h"
#include "support/wait_for.h"

namespace zuzazizo {
namespace {

constexpr int virtual_axes = SDL_CONTROLLER_AXIS_MAX;
constexpr int virtual_buttons = SDL_CONTROLLER_BUTTON_MAX;
constexpr int game_start_timeout_ms = 6000;
// Long enough for several of the host's looks at SDL.
constexpr int settle_ms = 40;

struct Gamepads : ::testing::Test {
    Gamepads() {
        ensure_qapp();
        auto backend = std::make_unique<MemorySettingsBackend>();
        backend->values = {{"FullscreenMode", "0"}};
        form = std::make_unique<TForm1>(FormOptions{std::move(backend), ZUZAZIZO_BIN_DIR});
        pads = std::make_unique<SdlGamepads>(form->engine(), *form);
        pads->start();
    }
    ~Gamepads() override {
        if (device >= 0) SDL_JoystickDetachVirtual(device);
    }

    // Plugs in a virtual controller and waits until it is open.
    void plug_in() {
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, virtual_axes,
                                           virtual_buttons, 0);
        ASSERT_GE(device, 0) << SDL_GetError();
        ASSERT_TRUE(wait_for([&] { return pads->open_count() == 1; }));
        joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
        ASSERT_NE(joystick, nullptr);
    }
    void unplug() {
        ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0) << SDL_GetError();
        device = -1;
        joystick = nullptr;
    }
    void button(SDL_GameControllerButton which, bool down) {
        SDL_JoystickSetVirtualButton(joystick, which, down ? 1 : 0);
    }
    void stick_x(std::int16_t value) {
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, value);
    }
    const GameState& state() { return form->engine().state; }

    std::unique_ptr<TForm1> form;
    std::unique_ptr<SdlGamepads> pads;
    int device = -1;
    SDL_Joystick* joystick = nullptr;
};

TEST_F(Gamepads, NothingPollsUntilAControllerIsPluggedInAndAfterItIsPulledOut) {
    ASSERT_TRUE(pads->started()) << SDL_GetError();
    EXPECT_EQ(pads->open_count(), 0);
    EXPECT_FALSE(pads->polling());
    ASSERT_NO_FATAL_FAILURE(plug_in());
    EXPECT_TRUE(pads->polling());
    ASSERT_NO_FATAL_FAILURE(unplug());
    ASSERT_TRUE(wait_for([&] { return pads->open_count() == 0; }));
    EXPECT_FALSE(pads->polling());
}

TEST(GamepadStart, NothingIsOpenedBeforeTheStartWhichOpensWhatIsAlreadyPluggedIn) {
    ensure_qapp();
    auto backend = std::make_unique<MemorySettingsBackend>();
    backend->values = {{"FullscreenMode", "0"}};
    TForm1 form(FormOptions{std::move(backend), ZUZAZIZO_BIN_DIR});
    SdlGamepads pads(form.engine(), form);
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, virtual_axes,
                                                 virtual_buttons, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    pads.pump();
    QTest::qWait(settle_ms);
    EXPECT_FALSE(pads.started());
    EXPECT_EQ(pads.open_count(), 0);
    pads.start();
    ASSERT_TRUE(pads.started()) << SDL_GetError();
    EXPECT_TRUE(wait_for([&] { return pads.open_count() == 1; }));
    EXPECT_EQ(SDL_JoystickDetachVirtual(device), 0) << SDL_GetError();
    EXPECT_TRUE(wait_for([&] { return pads.open_count() == 0; }));
}

TEST_F(Gamepads, SouthButtonStartsGameAOnReleaseAndTheDpadAndStickMoveTheBatter) {
    ASSERT_NO_FATAL_FAILURE(plug_in());
    form->engine().set_mode(mode_time_1);
    button(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_TRUE(wait_for([&] { return state().game_mode == mode_game_a_ready; }));
    EXPECT_TRUE(form->images()[ImageId::btn_game_a_down].visible);
    button(SDL_CONTROLLER_BUTTON_A, false);
    ASSERT_TRUE(wait_for([&] { return state().game_mode == mode_game_a; }));
    ASSERT_TRUE(wait_for([&] { return state().hero_active; }, game_start_timeout_ms));
    const int start = state().hero_pos;
    ASSERT_EQ(start, 2);

    button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    ASSERT_TRUE(wait_for([&] { return state().hero_pos == 1; }));
    button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    ASSERT_TRUE(wait_for([&] { return !pads->map().holds(Button::left); }));
    stick_x(SDL_JOYSTICK_AXIS_MAX);
    ASSERT_TRUE(wait_for([&] { return state().hero_pos == 2; }));
    stick_x(0);
    ASSERT_TRUE(wait_for([&] { return !state().key_latch; }));
}

TEST_F(Gamepads, PullingTheControllerOutMidGameReleasesItsButtons) {
    ASSERT_NO_FATAL_FAILURE(plug_in());
    form->engine().set_mode(mode_time_1);
    button(SDL_CONTROLLER_BUTTON_B, true);
    ASSERT_TRUE(wait_for([&] { return pads->map().holds(Button::game_b); }));
    button(SDL_CONTROLLER_BUTTON_B, false);
    ASSERT_TRUE(wait_for([&] { return state().game_mode == mode_game_b; }));
    ASSERT_TRUE(wait_for([&] { return state().hero_active; }, game_start_timeout_ms));
    button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    ASSERT_TRUE(wait_for([&] { return state().hero_pos == 3; }));
    ASSERT_TRUE(form->images()[ImageId::btn_right_down].visible);
    ASSERT_NO_FATAL_FAILURE(unplug());
    ASSERT_TRUE(wait_for([&] { return pads->open_count() == 0; }));
    EXPECT_FALSE(form->images()[ImageId::btn_right_down].visible);
    EXPECT_FALSE(state().key_latch);
    EXPECT_FALSE(pads->polling());
    // The game goes on, and the keyboard still moves the batter.
    EXPECT_EQ(state().game_mode, mode_game_b);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &left);
    EXPECT_EQ(state().hero_pos, 2);
}

TEST_F(Gamepads, DisabledMainWindowTakesNoPressesFromTheController) {
    ASSERT_NO_FATAL_FAILURE(plug_in());
    form->engine().set_mode(mode_time_1);
    form->setEnabled(false);  // as while the key dialog is open
    button(SDL_CONTROLLER_BUTTON_A, true);
    QTest::qWait(settle_ms);
    EXPECT_EQ(state().game_mode, mode_time_1);
    form->setEnabled(true);
    button(SDL_CONTROLLER_BUTTON_A, false);
    button(SDL_CONTROLLER_BUTTON_Y, true);
    ASSERT_TRUE(wait_for([&] { return form->images()[ImageId::btn_light_down].visible; }));
    EXPECT_EQ(state().game_mode, mode_time_1);
}

TEST_F(Gamepads, AnotherWindowOfTheProgramInFrontTakesThePressesAway) {
    ASSERT_NO_FATAL_FAILURE(plug_in());
    form->engine().set_mode(mode_time_1);
    QWidget manual;  // stands for the manual viewer or the about box
    manual.show();
    manual.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&manual));
    button(SDL_CONTROLLER_BUTTON_Y, true);
    QTest::qWait(settle_ms);
    EXPECT_FALSE(form->images()[ImageId::btn_light_down].visible);
    button(SDL_CONTROLLER_BUTTON_Y, false);
    QTest::qWait(settle_ms);  // SDL reports states, so the release must be seen before the press
    manual.hide();
    ASSERT_TRUE(wait_for([&] { return QApplication::activeWindow() != &manual; }));
    button(SDL_CONTROLLER_BUTTON_Y, true);
    EXPECT_TRUE(wait_for([&] { return form->images()[ImageId::btn_light_down].visible; }));
}

}  // namespace
}  // namespace zuzazizo
