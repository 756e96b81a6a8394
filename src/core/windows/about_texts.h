// The about box as it was designed: its texts, its size and where each of them stands. The
// "author" it presents is this program itself, so every value is a true statement about the
// project; the release and the addresses come from program_release.h. Both front ends build the
// box from here, so its texts are written once.
#pragma once

#include <array>

#include "core/common/program_release.h"
#include "core/lcd/image_model.h"

namespace zuzazizo::about {

inline constexpr const char* caption = "About the author...";

struct Row {
    const char* caption;
    const char* value;
};
// Name, birthplace, birth date, occupation, hobby; the two link rows follow.
inline constexpr std::array<Row, 5> fact_rows = {{
    {"Name:", "Zuzazizo Simulator"},
    {"Birthplace:", "its own repository"},
    {"Birth date:", release::month},
    {"Occupation:", "LCD game simulator"},
    {"Hobby:", "keeping the time"},
}};
inline constexpr const char* website_label = "Website:";
// A page of the site the label shows.
inline constexpr const char* website_address = "http://" ZUZAZIZO_SITE "/about/";
inline constexpr const char* email_label = "Email:";

// The client area and the picture at its left.
inline constexpr int client_width_px = 397;
inline constexpr int client_height_px = 176;
inline constexpr Rect picture_bounds{8, 8, 116, 160};
// Captions stand in one column and values in the next; the rows go down in steps.
inline constexpr int caption_left_px = 132;
inline constexpr int value_left_px = 212;
inline constexpr int value_width_px = 180;
inline constexpr int row_height_px = 16;
inline constexpr int first_row_top_px = 8;
inline constexpr int row_step_px = 24;
inline constexpr int text_font_px = 12;

constexpr int row_top(int row) {
    return first_row_top_px + row * row_step_px;
}

}  // namespace zuzazizo::about
