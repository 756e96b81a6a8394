// The colours the dialogs share, as Windows colour values (00BBGGRR), for every front end.
#pragma once

#include <cstdint>

namespace zuzazizo {

// RGB(8, 41, 82), the dark blue behind the splash screen, the key dialog and the about box.
inline constexpr std::uint32_t dialog_blue_colour = 0x00522908;

// The red, green and blue of a Windows colour value.
constexpr int red_of(std::uint32_t colour) {
    return static_cast<int>(colour & 0xFFu);
}
constexpr int green_of(std::uint32_t colour) {
    return static_cast<int>((colour >> 8) & 0xFFu);
}
constexpr int blue_of(std::uint32_t colour) {
    return static_cast<int>((colour >> 16) & 0xFFu);
}

}  // namespace zuzazizo
