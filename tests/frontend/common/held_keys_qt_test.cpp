// Qt's key events through the held-key rule: X11's unflagged pairs, the strokes handed on, and
// the platform's choice of window.
#include "frontend/common/held_keys_qt.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <string>
#include <vector>

#include "core/input/virtual_keys.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

constexpr quint32 scan_left = 113;

class QtHeldKeysTest : public ::testing::Test {
  protected:
    QtHeldKeys make(int window_ms) {
        ensure_qapp();
        return QtHeldKeys(
            [this](const KeyStroke& s) {
                log.push_back((s.repeat ? "repeat " : "down ") + std::to_string(s.key));
            },
            [this](const KeyStroke& s) { log.push_back("up " + std::to_string(s.key)); },
            window_ms);
    }
    // A key event as X11 gives it: scan code, X time, auto-repeat flag.
    static void x11_key(QtHeldKeys& keys, QEvent::Type type, quint64 time_ms, bool flagged,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, Qt::Key_Left, modifiers, scan_left, 0, 0, QString(), flagged);
        event.setTimestamp(time_ms);
        if (type == QEvent::KeyPress) {
            keys.key_press(event);
        } else {
            keys.key_release(event);
        }
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;
const std::string left = std::to_string(vk::left);

TEST_F(QtHeldKeysTest, UnflaggedPairsOfX11AreOneHeldKey) {
    QtHeldKeys keys = make(repeat_pair_window_ms);
    x11_key(keys, QEvent::KeyPress, 1000, false);
    x11_key(keys, QEvent::KeyRelease, 1660, true);
    x11_key(keys, QEvent::KeyPress, 1660, true);
    x11_key(keys, QEvent::KeyRelease, 1700, false);
    QTest::qWait(5);
    x11_key(keys, QEvent::KeyPress, 1700, false);
    x11_key(keys, QEvent::KeyRelease, 1900, false, Qt::ShiftModifier);
    EXPECT_EQ(log, (Log{"down " + left, "repeat " + left, "repeat " + left}));
    QTest::qWait(repeat_pair_window_ms * 3);
    EXPECT_EQ(log.back(), "up " + left) << "the real release, once no pair's press came";
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(QtHeldKeysTest, MouseInputSettlesAHeldBackRelease) {
    QtHeldKeys keys = make(repeat_pair_window_ms);
    x11_key(keys, QEvent::KeyPress, 1000, false);
    x11_key(keys, QEvent::KeyRelease, 1100, false);
    EXPECT_EQ(log.size(), 1u);
    keys.settle();
    EXPECT_EQ(log, (Log{"down " + left, "up " + left}));
}

TEST_F(QtHeldKeysTest, WithoutPairsAReleaseCountsAtOnceAndPressesOfAHeldKeyRepeat) {
    QtHeldKeys keys = make(0);
    x11_key(keys, QEvent::KeyPress, 1000, false);
    x11_key(keys, QEvent::KeyPress, 1660, false);
    x11_key(keys, QEvent::KeyRelease, 1700, false);
    EXPECT_EQ(log, (Log{"down " + left, "repeat " + left, "up " + left}));
}

TEST_F(QtHeldKeysTest, OnlyModifierFreeKeysArePressedAlone) {
    EXPECT_TRUE(pressed_alone(Qt::NoModifier));
    EXPECT_TRUE(pressed_alone(Qt::KeypadModifier));
    for (const Qt::KeyboardModifier m : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                         Qt::MetaModifier, Qt::GroupSwitchModifier}) {
        EXPECT_FALSE(pressed_alone(m)) << m;
    }
}

}  // namespace
}  // namespace zuzazizo
