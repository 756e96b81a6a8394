// Integer text, as both the settings store and Config.ini read it: optional leading blanks, an
// optional sign, then decimal digits, or hexadecimal digits after "$" or "0x" (either case of x).
// Anything else, or a value that does not fit in 32 bits, is not an integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zuzazizo {

std::optional<std::int32_t> parse_int_text(std::string_view text);

inline std::int32_t int_text_or(std::string_view text, std::int32_t fallback) {
    return parse_int_text(text).value_or(fallback);
}

std::string int_to_text(std::int32_t value);

}  // namespace zuzazizo
