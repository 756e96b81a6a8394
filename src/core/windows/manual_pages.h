// The manual viewer's page rules: which button a key works on the page in view, where a turn
// leads, and which page buttons the page shows. The viewer keeps `manual_page` itself and asks
// these, so every front end turns its pages alike.
#pragma once

#include <cstdint>
#include <optional>

#include "core/skin/window_surface.h"

namespace zuzazizo {

inline constexpr int manual_first_page = 1;
inline constexpr int manual_last_page = manual_page_count;

// The viewer's three buttons, named after their keys and their `Inp_` operations.
enum class ManualButton { esc, left, right };

// The button a key works on this page: Esc always; the left arrow above the first page; the right
// arrow below the last. Any other key works none. A press and its release ask alike, so a key
// whose press found no button has no release either.
std::optional<ManualButton> manual_key_button(std::uint16_t key, int page);

// The page once a page button is released: one back or one on, never beyond the first or last
// page (a mouse press held while a key turned to the end must not turn past it). The close
// button leaves the page as it is, so the viewer reopens where it was left.
int manual_page_after(ManualButton released, int page);

// What showing a page does to the page buttons: empty leaves a pair as it is. The first page
// hides the previous-page pair, the last the next-page pair, any other shows both.
struct ManualPageButtons {
    std::optional<bool> left_shown;
    std::optional<bool> right_shown;
};
ManualPageButtons manual_page_buttons(int page);

}  // namespace zuzazizo
