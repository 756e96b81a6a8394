// The key settings dialog as it was designed: its caption, size, texts and where each control
// stands. Both front ends build the dialog from here, so its texts are written once; its rules are
// KeyDialogModel's.
#pragma once

#include <array>
#include <cstdint>

#include "core/input/key_bindings.h"
#include "core/lcd/image_model.h"

namespace zuzazizo::key_dialog {

inline constexpr const char* caption = "Key settings";
inline constexpr int client_width_px = 448;
inline constexpr int client_height_px = 195;
// Every text of the dialog is bold Arial at this cell height, the lists' items regular.
inline constexpr int font_px = 11;

// The conflict marker is a label's font colour (Windows colour values, 00BBGGRR).
inline constexpr std::uint32_t clean_colour = 0x00FFFFFF;
inline constexpr std::uint32_t conflict_colour = 0x000000FF;

struct Label {
    const char* caption;
    Rect bounds;
    bool right_aligned;
};

// The two headings, bold and underlined; they name no slot.
inline constexpr Label la_main{"Main operations", {8, 8, 104, 13}, false};
inline constexpr Label la_controls{"Game controls", {336, 8, 104, 13}, true};

// la_1 .. la_6, the names of the buttons in slot order.
inline constexpr std::array<Label, key_slot_count> button_labels = {{
    {"Game A", {136, 33, 72, 14}, false},
    {"Game B", {136, 65, 72, 14}, false},
    {"Time", {136, 97, 72, 14}, false},
    {"Light", {136, 129, 72, 14}, false},
    {"Left", {216, 33, 96, 14}, true},
    {"Right", {216, 65, 96, 14}, true},
}};
// cb_1 .. cb_6 beside them; tab order is slot order, then accept.
inline constexpr std::array<Rect, key_slot_count> list_bounds = {{
    {8, 29, 120, 21},
    {8, 61, 120, 21},
    {8, 93, 120, 21},
    {8, 125, 120, 21},
    {320, 29, 120, 21},
    {320, 61, 120, 21},
}};

inline constexpr const char* accept_caption = "- ACCEPT -";
inline constexpr Rect accept_bounds{183, 162, 82, 25};

}  // namespace zuzazizo::key_dialog
