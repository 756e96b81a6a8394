#include "frontend/common/key_codes_qt.h"

#include <gtest/gtest.h>

#include "support/qt_app.h"

namespace zuzazizo {
namespace {

// X11 (evdev) key codes of some physical keys on a standard keyboard.
constexpr quint32 scan_5 = 14;
constexpr quint32 scan_1 = 10;
constexpr quint32 scan_a = 38;
constexpr quint32 scan_left = 113;
constexpr quint32 scan_shift_l = 50;
constexpr quint32 scan_space = 65;

std::uint16_t code_of(int qt_key, Qt::KeyboardModifiers modifiers, quint32 scan,
                      const QString& text = {}) {
    ensure_qapp();
    const QKeyEvent event(QEvent::KeyPress, qt_key, modifiers, scan, 0, 0, text);
    return virtual_key_of(event);
}

TEST(KeyCodes, ThePhysicalKeyCountsNotTheCharacterItTyped) {
    EXPECT_EQ(code_of(Qt::Key_Percent, Qt::ShiftModifier, scan_5, "%"), vk::digit(5));
    EXPECT_EQ(code_of(Qt::Key_Exclam, Qt::ShiftModifier, scan_1, "!"), vk::digit(1));
    EXPECT_EQ(code_of(Qt::Key_A, Qt::ShiftModifier, scan_a, "A"), vk::letter('A'));
    EXPECT_EQ(code_of(Qt::Key_A, Qt::NoModifier, scan_a, "a"), vk::letter('A'));
}

TEST(KeyCodes, ModifiersSpaceAndArrowsAreKeysOfTheirOwn) {
    EXPECT_EQ(code_of(Qt::Key_Shift, Qt::ShiftModifier, scan_shift_l), vk::shift);
    EXPECT_EQ(code_of(Qt::Key_Space, Qt::NoModifier, scan_space, " "), vk::space);
    EXPECT_EQ(code_of(Qt::Key_Left, Qt::KeypadModifier, scan_left), vk::left);
    EXPECT_EQ(virtual_key_of_qt_key(Qt::Key_Control), vk::control);
    EXPECT_EQ(virtual_key_of_qt_key(Qt::Key_Alt), vk::alt);
    EXPECT_EQ(virtual_key_of_qt_key(Qt::Key_Down), vk::down);
    EXPECT_EQ(virtual_key_of_qt_key(Qt::Key_Up), vk::up);
}

TEST(KeyCodes, EventsWithoutAScanCodeFallBackToQtsKey) {
    EXPECT_EQ(code_of(Qt::Key_5, Qt::NoModifier, 0, "5"), vk::digit(5));
    EXPECT_EQ(code_of(Qt::Key_Escape, Qt::NoModifier, 0), vk::escape);
    EXPECT_EQ(code_of(Qt::Key_F12, Qt::NoModifier, 0), vk::f1 + 11);
    EXPECT_EQ(code_of(Qt::Key_Percent, Qt::ShiftModifier, 0, "%"), 0) << "no physical key known";
}

}  // namespace
}  // namespace zuzazizo
