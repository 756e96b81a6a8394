// The main window's keyboard on a bare window: each stroke goes to the first that takes it (the
// zoom keys, the close command, a shortcut pressed alone, the handheld), and a held key acts once.
#include "frontend/app/window_keys.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/handheld.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

struct WindowKeysTest : ::testing::Test {
    WindowKeysTest() {
        keys.Key_Build_Names();
        keys.Key_Load_Bindings();
    }
    WindowCommands own() {
        const auto note = [this](const char* what) {
            return [this, what] { log.push_back(what); };
        };
        return {note("reset"), note("fullscreen"), note("splash"), note("exit"), note("popup")};
    }
    void press(int qt_key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        input.key_press(QKeyEvent(QEvent::KeyPress, qt_key, modifiers));
    }

    QApplication& app = ensure_qapp();  // before the window
    testing::Handheld handheld;
    KeyBindings keys{handheld.settings};
    InputDispatch dispatch{keys, handheld.engine};
    QTemporaryDir dir;
    QWidget window;
    std::vector<std::string> log;
    MenuCommands commands{window, dir.path().toStdString(), own()};
    GameSurface surface;
    ImageModel images;
    WindowZoom zoom{window, handheld.settings, surface, images, [this] { zoom.apply(); }};
    WindowKeys input{zoom, commands, dispatch, [this] { log.push_back("close"); }};
};

TEST_F(WindowKeysTest, AltF4ClosesOnceAndIsNoF4) {
    press(Qt::Key_F4, Qt::AltModifier);
    press(Qt::Key_F4, Qt::AltModifier);  // held: a repeat
    EXPECT_EQ(log, std::vector<std::string>{"close"});
}

TEST_F(WindowKeysTest, AShortcutActsOnlyWhenPressedAlone) {
    press(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(log.empty()) << "Shift+Esc is no Exit";
    input.key_release(QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::ShiftModifier));
    input.settle();
    press(Qt::Key_Escape);
    EXPECT_EQ(log, std::vector<std::string>{"exit"});
}

TEST_F(WindowKeysTest, ZoomKeysAreNotTheHandheldsAndBoundKeysAre) {
    handheld.engine.set_mode(mode_time_1);  // the clock, where GAME A shows its high score
    press(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(zoom.zoom(), 2);
    EXPECT_EQ(handheld.engine.state.game_mode, mode_time_1);
    press(Qt::Key_1);  // GAME A by default
    EXPECT_EQ(handheld.engine.state.game_mode, mode_game_a_ready);
}

}  // namespace
}  // namespace zuzazizo
