#include "core/common/int_text.h"

#include <cstdint>

namespace zuzazizo {

namespace {

int digit_value(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') v = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v;
}

}  // namespace

std::optional<std::int32_t> parse_int_text(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;

    // Decimal must fit a signed 32-bit value; hexadecimal may use all 32 bits ($FFFFFFFF is -1),
    // as colour values written in hexadecimal commonly do.
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = digit_value(text[i], base);
        if (d < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (value > limit) return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(value);
    const auto result = static_cast<std::int32_t>(negative ? 0u - bits : bits);
    return result;
}

std::string int_to_text(std::int32_t value) {
    return std::to_string(value);
}

}  // namespace zuzazizo
