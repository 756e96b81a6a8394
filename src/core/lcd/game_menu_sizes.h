// The sizes of the in-window game menu, shared by the image model, the layout and the window
// that draws the menu and its rows.
//
// The menu is one picture drawn at its own size and clipped to its image: the image's size alone
// decides whether the button or the whole panel shows.
#pragma once

namespace zuzazizo::game_menu {

// The picture: a title row and a dark panel, large enough for every row.
inline constexpr int picture_width_px = 256;
inline constexpr int picture_height_px = 512;

// Closed, only the three-bar symbol shows; the see-through button on top has the same size.
inline constexpr int closed_width_px = 36;
inline constexpr int closed_height_px = 32;

// Open: the title row and thirteen rows below it.
inline constexpr int row_height_px = 32;
inline constexpr int row_count = 13;
inline constexpr int open_width_px = 256;
inline constexpr int open_height_px = row_height_px * (row_count + 1);
static_assert(open_height_px == 448);

// The picture's look: the panel below the title row is black at 80 % opacity, so the handheld
// behind it stays faintly visible; the title row is opaque black with a white three-bar symbol
// and the title in the rows' font.
inline constexpr int panel_alpha = 204;
inline constexpr int symbol_bar_left_px = 9;
inline constexpr int symbol_bar_width_px = 18;
inline constexpr int symbol_bar_height_px = 3;
inline constexpr int symbol_bar_gap_px = 3;
inline constexpr int title_left_px = closed_width_px + 4;
inline constexpr const char* title_text = "Game menu";
// The rows' font, white, designed by its cell height (ascent plus descent), not its em size.
inline constexpr const char* font_family = "Arial";
inline constexpr int font_cell_height_px = 16;

}  // namespace zuzazizo::game_menu
