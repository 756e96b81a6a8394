// The keys' codes on real layouts: the digit row by place, the letters of the active Latin layout
// or the US letters on Cyrillic and Greek ones, the keypad's arrows by Num Lock, and a copy of a
// keymap that no longer matches what the keyboard types.
#include "frontend/common/key_codes_qt_xkb.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <map>
#include <string>

#include "core/input/virtual_keys.h"

namespace zuzazizo {
namespace {

// X11 (evdev) key codes of physical keys, named by what a US keyboard prints on them.
constexpr std::uint32_t key_1 = 10, key_2 = 11, key_5 = 14, key_0 = 19;
constexpr std::uint32_t key_q = 24, key_w = 25, key_y = 29, key_a = 38, key_semicolon = 47;
constexpr std::uint32_t key_z = 52, key_m = 58, key_kp_4 = 83, key_kp_6 = 85;
constexpr std::uint32_t key_shift_l = 50, key_control_l = 37, key_alt_r = 108, key_escape = 9;

// X11 state bits.
constexpr std::uint32_t shift = 0x01, caps_lock = 0x02, num_lock = 0x10, second_group = 1u << 13;

const KeyboardMap& layout(const std::string& names) {
    static std::map<std::string, std::unique_ptr<KeyboardMap>> maps;
    auto& map = maps[names];
    if (!map) map = KeyboardMap::from_names(names.c_str());
    return *map;
}

struct Case {
    const char* layouts;
    std::uint32_t keycode;
    std::uint32_t keysym;  // what the key typed, as the event reports it
    std::uint32_t state;
    std::uint16_t expected;
    const char* what;
};

TEST(KeyboardLayouts, KeysGiveTheirWindowsCodesOnEveryLayout) {
    const Case cases[] = {
        {"us", key_1, XKB_KEY_1, 0, vk::digit(1), "US digit"},
        {"us", key_5, XKB_KEY_percent, shift, vk::digit(5), "Shift+5 is still 5"},
        {"us", key_q, XKB_KEY_Q, shift, vk::letter('Q'), "Shift+q"},
        {"fr", key_1, XKB_KEY_ampersand, 0, vk::digit(1), "French & is the key 1"},
        {"fr", key_2, XKB_KEY_eacute, 0, vk::digit(2), "French é is the key 2"},
        {"fr", key_5, XKB_KEY_parenleft, 0, vk::digit(5), "French ( is the key 5"},
        {"fr", key_0, XKB_KEY_agrave, 0, vk::digit(0), "French à is the key 0"},
        {"fr", key_1, XKB_KEY_1, shift, vk::digit(1), "French Shift+& types 1"},
        {"fr", key_2, XKB_KEY_Eacute, caps_lock, vk::digit(2), "French Caps Lock+é"},
        {"fr", key_q, XKB_KEY_a, 0, vk::letter('A'), "AZERTY A"},
        {"fr", key_a, XKB_KEY_q, 0, vk::letter('Q'), "AZERTY Q"},
        {"fr", key_w, XKB_KEY_z, 0, vk::letter('Z'), "AZERTY Z"},
        {"fr", key_semicolon, XKB_KEY_m, 0, vk::letter('M'), "AZERTY M beside L"},
        {"fr", key_m, XKB_KEY_comma, 0, 0, "AZERTY comma: no letter on a Latin layout"},
        {"de", key_y, XKB_KEY_z, 0, vk::letter('Z'), "QWERTZ Z"},
        {"de", key_z, XKB_KEY_y, 0, vk::letter('Y'), "QWERTZ Y"},
        {"ru", key_q, XKB_KEY_Cyrillic_shorti, 0, vk::letter('Q'), "Russian: US letter"},
        {"ru", key_a, XKB_KEY_Cyrillic_ef, 0, vk::letter('A'), "Russian A"},
        {"ru", key_m, XKB_KEY_Cyrillic_softsign, 0, vk::letter('M'), "Russian M"},
        {"ru", key_1, XKB_KEY_1, 0, vk::digit(1), "Russian digit"},
        {"gr", key_q, XKB_KEY_semicolon, 0, vk::letter('Q'), "Greek ; on Q is Q"},
        {"gr", key_a, XKB_KEY_Greek_alpha, 0, vk::letter('A'), "Greek A"},
        {"us,ru", key_q, XKB_KEY_q, 0, vk::letter('Q'), "first of two layouts"},
        {"us,ru", key_q, XKB_KEY_Cyrillic_shorti, second_group, vk::letter('Q'), "second"},
        {"us,fr", key_q, XKB_KEY_a, second_group, vk::letter('A'), "second, AZERTY"},
        {"us", key_kp_4, XKB_KEY_KP_Left, 0, vk::left, "keypad arrow, Num Lock off"},
        {"us", key_kp_6, XKB_KEY_KP_Right, 0, vk::right, "keypad arrow right"},
        {"us", key_kp_4, XKB_KEY_KP_4, num_lock, 0, "keypad digit, Num Lock on"},
        {"us", key_kp_4, XKB_KEY_KP_4, shift, vk::left, "Shift does not make it a digit"},
        {"us", key_kp_4, XKB_KEY_KP_Left, shift | num_lock, 0, "nor an arrow"},
        {"us", key_shift_l, XKB_KEY_Shift_L, 0, vk::shift, "Shift alone"},
        {"us", key_control_l, XKB_KEY_Control_L, 0, vk::control, "Ctrl alone"},
        {"fr", key_alt_r, XKB_KEY_ISO_Level3_Shift, 0, vk::alt, "AltGr is Alt"},
        {"ru", key_escape, XKB_KEY_Escape, second_group, vk::escape, "a group past the key's"},
    };
    for (const Case& c : cases) {
        const std::optional<std::uint16_t> code =
            layout(c.layouts).virtual_key(c.keycode, c.keysym, c.state);
        ASSERT_TRUE(code.has_value()) << c.what;
        EXPECT_EQ(*code, c.expected) << c.layouts << ": " << c.what;
    }
}

TEST(KeyboardLayouts, AKeymapThatDoesNotTypeTheKeysymIsStale) {
    // Switched from US to French meanwhile: the key of Q now types 'a'.
    EXPECT_FALSE(layout("us").virtual_key(key_q, XKB_KEY_a, 0).has_value());
    EXPECT_FALSE(layout("us").virtual_key(key_1, XKB_KEY_ampersand, 0).has_value());
    EXPECT_TRUE(layout("fr").virtual_key(key_q, XKB_KEY_a, 0).has_value());
}

TEST(KeyboardLayouts, ByPlaceAloneForAnotherPlatformsKeymap) {
    const KeyboardMap& us = layout("us");
    EXPECT_EQ(us.virtual_key_by_place(key_1, XKB_KEY_ampersand), vk::digit(1));
    EXPECT_EQ(us.virtual_key_by_place(key_q, XKB_KEY_a), vk::letter('A'));
    EXPECT_EQ(us.virtual_key_by_place(key_q, XKB_KEY_Cyrillic_shorti), vk::letter('Q'));
    EXPECT_EQ(us.virtual_key_by_place(key_m, XKB_KEY_comma), 0);
}

}  // namespace
}  // namespace zuzazizo
