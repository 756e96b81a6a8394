// The 44 keyboard keys a button can be bound to, by choice number (1..44): the caption of the
// key settings lists, the name used in the buttons' hints and the Windows virtual-key code.
//
// The choice number is what the settings store keeps, so the order of this table is part of the
// saved data and never changes. The arrows keep their historical order (up, down, left, right)
// although their codes do not run in that order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zuzazizo {

inline constexpr int key_choice_count = 44;

struct KeyChoice {
    std::string_view caption;  // as the key settings lists show it
    std::uint16_t virtual_key;
};

// The caption and code of a choice number; nullopt outside 1..44.
std::optional<KeyChoice> key_choice(std::int32_t choice);
constexpr bool valid_key_choice(std::int32_t choice) {
    return choice >= 1 && choice <= key_choice_count;
}

// `key_names`: entry n is the hint name of choice number n; entry 0 is unused and empty.
using KeyNames = std::array<std::string, key_choice_count + 1>;
KeyNames Key_Build_Names();

}  // namespace zuzazizo
