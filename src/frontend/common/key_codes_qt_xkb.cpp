#include "frontend/common/key_codes_qt_xkb.h"

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <string_view>

#include "core/input/virtual_keys.h"

namespace zuzazizo {

namespace {

// X11 state bits of Shift, Caps Lock, Ctrl and Alt (Mod1): none of them changes the code. The
// other modifiers stay, for Num Lock decides what a keypad key is.
constexpr std::uint32_t ignored_modifiers = 0x0F;
constexpr std::uint32_t real_modifiers = 0xFF;
constexpr int group_shift = 13;
constexpr std::uint32_t group_mask = 0x3;

// XKB's names of the keys by their place on the keyboard, row by row, and what the US layout
// prints there. The digit row is 1 to 9 then 0 on every layout.
struct KeyRow {
    std::string_view prefix;
    std::string_view keys;
};
constexpr KeyRow digit_row{"AE", "1234567890"};
constexpr KeyRow us_letter_rows[] = {{"AD", "QWERTYUIOP"}, {"AC", "ASDFGHJKL"}, {"AB", "ZXCVBNM"}};

// The character a row prints at the key named `name` ("AD01" is the row's first), or 0.
char printed_at(const KeyRow& row, std::string_view name) {
    if (name.size() != 4 || name.substr(0, 2) != row.prefix) return 0;
    const int tens = name[2] - '0', units = name[3] - '0';
    if (tens < 0 || tens > 9 || units < 0 || units > 9) return 0;
    const int index = tens * 10 + units - 1;
    return index >= 0 && index < static_cast<int>(row.keys.size()) ? row.keys[index] : 0;
}

char us_letter_at(std::string_view name) {
    for (const KeyRow& row : us_letter_rows) {
        if (const char letter = printed_at(row, name)) return letter;
    }
    return 0;
}

bool is_latin_letter(xkb_keysym_t sym) {
    return (sym >= XKB_KEY_a && sym <= XKB_KEY_z) || (sym >= XKB_KEY_A && sym <= XKB_KEY_Z);
}

std::uint16_t letter_code(xkb_keysym_t sym) {
    const xkb_keysym_t upper = sym >= XKB_KEY_a ? sym - (XKB_KEY_a - XKB_KEY_A) : sym;
    return static_cast<std::uint16_t>(vk::letter_a + (upper - XKB_KEY_A));
}

std::uint16_t digit_code(char digit) {
    return vk::digit(digit - '0');
}

}  // namespace

std::uint16_t virtual_key_of_keysym(std::uint32_t sym) {
    if (sym >= XKB_KEY_0 && sym <= XKB_KEY_9) return vk::digit(static_cast<int>(sym - XKB_KEY_0));
    if (is_latin_letter(sym)) return letter_code(sym);
    if (sym >= XKB_KEY_F1 && sym <= XKB_KEY_F12)
        return static_cast<std::uint16_t>(vk::f1 + sym - XKB_KEY_F1);
    switch (sym) {
        case XKB_KEY_Shift_L:
        case XKB_KEY_Shift_R:
            return vk::shift;
        case XKB_KEY_Control_L:
        case XKB_KEY_Control_R:
            return vk::control;
        case XKB_KEY_Alt_L:
        case XKB_KEY_Alt_R:
        case XKB_KEY_ISO_Level3_Shift:
            return vk::alt;
        case XKB_KEY_space:
            return vk::space;
        case XKB_KEY_Left:
        case XKB_KEY_KP_Left:
            return vk::left;
        case XKB_KEY_Up:
        case XKB_KEY_KP_Up:
            return vk::up;
        case XKB_KEY_Right:
        case XKB_KEY_KP_Right:
            return vk::right;
        case XKB_KEY_Down:
        case XKB_KEY_KP_Down:
            return vk::down;
        case XKB_KEY_Return:
        case XKB_KEY_KP_Enter:
            return vk::enter;
        case XKB_KEY_Escape:
            return vk::escape;
        default:
            return 0;
    }
}

std::unique_ptr<KeyboardMap> KeyboardMap::from_x_server(xcb_connection_t* connection) {
    if (!connection) return nullptr;
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        return nullptr;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0) return nullptr;
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context) return nullptr;
    xkb_keymap* keymap =
        xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<KeyboardMap>(new KeyboardMap(context, keymap));
}

std::unique_ptr<KeyboardMap> KeyboardMap::from_names(const char* layouts) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context) return nullptr;
    const xkb_rule_names names{"evdev", "pc105", layouts, nullptr, nullptr};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<KeyboardMap>(new KeyboardMap(context, keymap));
}

KeyboardMap::KeyboardMap(xkb_context* context, xkb_keymap* keymap)
    : context_(context), keymap_(keymap) {
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts(keymap_);
    latin_layouts_.assign(layouts, false);
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap_);
         key <= xkb_keymap_max_keycode(keymap_); ++key) {
        const xkb_layout_index_t key_layouts = xkb_keymap_num_layouts_for_key(keymap_, key);
        for (xkb_layout_index_t layout = 0; layout < key_layouts && layout < layouts; ++layout) {
            if (is_latin_letter(keysym_at(key, layout, 0))) latin_layouts_[layout] = true;
        }
    }
}

KeyboardMap::~KeyboardMap() {
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

std::optional<std::uint16_t> KeyboardMap::virtual_key(std::uint32_t keycode, std::uint32_t keysym,
                                                      std::uint32_t x_state) const {
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap_, keycode);
    if (layouts == 0) return std::nullopt;
    // A group past the key's own wraps round, as the server does for such keys.
    const std::uint32_t layout = ((x_state >> group_shift) & group_mask) % layouts;
    // Caps Lock may type a capital that is on no level of the key (É on the French 2).
    if (keysym != XKB_KEY_NoSymbol && !gives(keycode, layout, keysym) &&
        !gives(keycode, layout, xkb_keysym_to_lower(keysym))) {
        return std::nullopt;
    }

    const char* raw_name = xkb_keymap_key_get_name(keymap_, keycode);
    const std::string_view name = raw_name ? raw_name : "";
    if (const char digit = printed_at(digit_row, name)) return digit_code(digit);
    const xkb_keysym_t first = keysym_at(keycode, layout, 0);
    if (is_latin_letter(first)) return letter_code(first);
    if (layout < latin_layouts_.size() && !latin_layouts_[layout]) {
        if (const char letter = us_letter_at(name)) return vk::letter(letter);
    }
    return virtual_key_of_keysym(unshifted(keycode, layout, x_state));
}

std::uint16_t KeyboardMap::virtual_key_by_place(std::uint32_t keycode, std::uint32_t keysym) const {
    // Greek and Cyrillic begin here; everything below is Latin, digits or signs.
    constexpr std::uint32_t first_non_latin_letter = 0x0370;
    const char* raw_name = xkb_keymap_key_get_name(keymap_, keycode);
    const std::string_view name = raw_name ? raw_name : "";
    if (const char digit = printed_at(digit_row, name)) return digit_code(digit);
    if (is_latin_letter(keysym)) return letter_code(keysym);
    if (xkb_keysym_to_utf32(keysym) >= first_non_latin_letter) {
        if (const char letter = us_letter_at(name)) return vk::letter(letter);
    }
    return virtual_key_of_keysym(keysym);
}

bool KeyboardMap::gives(std::uint32_t keycode, std::uint32_t layout, std::uint32_t keysym) const {
    const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap_, keycode, layout);
    for (xkb_level_index_t level = 0; level < levels; ++level) {
        const xkb_keysym_t* syms = nullptr;
        const int n = xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, level, &syms);
        for (int i = 0; i < n; ++i) {
            if (syms[i] == keysym) return true;
        }
    }
    return false;
}

std::uint32_t KeyboardMap::keysym_at(std::uint32_t keycode, std::uint32_t layout,
                                     std::uint32_t level) const {
    const xkb_keysym_t* syms = nullptr;
    const int n = xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, level, &syms);
    return n > 0 ? syms[0] : XKB_KEY_NoSymbol;
}

// What the key gives in its layout with the modifiers that count: Num Lock turns the keypad's
// arrows into digits, Shift does not turn them back.
std::uint32_t KeyboardMap::unshifted(std::uint32_t keycode, std::uint32_t layout,
                                     std::uint32_t x_state) const {
    xkb_state* state = xkb_state_new(keymap_);
    if (!state) return keysym_at(keycode, layout, 0);
    const std::uint32_t mods = x_state & real_modifiers & ~ignored_modifiers;
    xkb_state_update_mask(state, 0, 0, mods, 0, 0, layout);
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(state, keycode);
    xkb_state_unref(state);
    return sym;
}

}  // namespace zuzazizo
