// The keyboard rule of the virtual-key codes, read from an XKB keymap.
//
// The codes are those Windows gives, whatever the layout: the digit row gives the digits by
// position (on a French keyboard its unshifted symbols are & é " ' ( ...); a letter key gives the
// letter its active layout puts there, and where that layout has no Latin letters at all (Russian,
// Greek) the US letter of the key's position; the keypad's arrows give the arrows while Num Lock
// is off. Shift, Caps Lock and the other modifiers play no part.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct xkb_context;
struct xkb_keymap;
struct xcb_connection_t;

namespace zuzazizo {

class KeyboardMap {
  public:
    // The X server's keymap, or nullptr when there is none to read.
    static std::unique_ptr<KeyboardMap> from_x_server(xcb_connection_t* connection);
    // A keymap compiled from layout names ("fr", "us,ru"): what tests and a fallback use.
    static std::unique_ptr<KeyboardMap> from_names(const char* layouts);
    ~KeyboardMap();
    KeyboardMap(const KeyboardMap&) = delete;
    KeyboardMap& operator=(const KeyboardMap&) = delete;

    // The virtual-key code (0: none) of the key `keycode` that typed `keysym` with the X state
    // `x_state` (modifier bits, and the layout group in bits 13 and 14). nullopt when this keymap
    // does not give that keysym on that key: the keymap is stale, or not the one in use.
    std::optional<std::uint16_t> virtual_key(std::uint32_t keycode, std::uint32_t keysym,
                                             std::uint32_t x_state) const;

    // The code by the key's place and keysym alone, for a keysym from a keymap that this is not
    // (another platform's): the digit row by place, a Latin letter as itself, a letter of another
    // script as the US letter of its place.
    std::uint16_t virtual_key_by_place(std::uint32_t keycode, std::uint32_t keysym) const;

  private:
    KeyboardMap(xkb_context* context, xkb_keymap* keymap);
    bool gives(std::uint32_t keycode, std::uint32_t layout, std::uint32_t keysym) const;
    std::uint32_t keysym_at(std::uint32_t keycode, std::uint32_t layout, std::uint32_t level) const;
    std::uint32_t unshifted(std::uint32_t keycode, std::uint32_t layout,
                            std::uint32_t x_state) const;

    xkb_context* context_;
    xkb_keymap* keymap_;
    std::vector<bool> latin_layouts_;  // per layout: has it any letter A to Z?
};

// The code of a keysym alone, for keys whose code does not depend on their place.
std::uint16_t virtual_key_of_keysym(std::uint32_t keysym);

}  // namespace zuzazizo
