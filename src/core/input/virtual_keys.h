// The virtual-key codes the bindings are stored and compared in: the Windows codes, which the
// saved key settings and the key table were written for. The front end maps its own key events
// onto these, so a rule of the handheld names a key here and not by its number.
#pragma once

#include <cstdint>

namespace zuzazizo::vk {

inline constexpr std::uint16_t enter = 0x0D;
inline constexpr std::uint16_t shift = 0x10;
inline constexpr std::uint16_t control = 0x11;
inline constexpr std::uint16_t alt = 0x12;
inline constexpr std::uint16_t escape = 0x1B;
inline constexpr std::uint16_t space = 0x20;
inline constexpr std::uint16_t left = 0x25;
inline constexpr std::uint16_t up = 0x26;
inline constexpr std::uint16_t right = 0x27;
inline constexpr std::uint16_t down = 0x28;
inline constexpr std::uint16_t digit_0 = 0x30;   // '0' to '9' follow in order
inline constexpr std::uint16_t letter_a = 0x41;  // 'A' to 'Z' follow in order
inline constexpr std::uint16_t f1 = 0x70;        // F1 to F12 follow in order
inline constexpr std::uint16_t f2 = 0x71;
inline constexpr std::uint16_t f3 = 0x72;
inline constexpr std::uint16_t f4 = 0x73;
inline constexpr std::uint16_t f12 = 0x7B;

// The code of the digit key `n` (0..9) and of the letter key `c` ('A'..'Z').
constexpr std::uint16_t digit(int n) {
    return static_cast<std::uint16_t>(digit_0 + n);
}
constexpr std::uint16_t letter(char c) {
    return static_cast<std::uint16_t>(letter_a + (c - 'A'));
}

}  // namespace zuzazizo::vk
