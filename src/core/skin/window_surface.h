// The window surfaces: what the layout routines change on the main window and the manual viewer.
//
// Plain structs rather than interfaces, so that the core and its tests see the result of a layout
// as data. The front end fills in what it knows (screen size, display mode), runs the layout, and
// then applies client size, colour and colour key to its window; the main window's images live in
// the ImageModel instead, which the window paints from.
#pragma once

#include <array>
#include <cstdint>

#include "core/lcd/image_model.h"
#include "core/lcd/picture.h"

namespace zuzazizo {

struct GameSurface {
    // Read by the layout.
    bool fullscreen_mode = false;
    int screen_width_px = 0;
    int screen_height_px = 0;

    // Written by the layout.
    int client_width_px = 0;
    int client_height_px = 0;
    std::uint32_t colour = 0;      // Windows colour value 00BBGGRR
    std::uint32_t colour_key = 0;  // likewise; pixels of exactly this colour are see-through
    bool colour_key_on = false;
    // Where the game area's top-left corner lies in the client area (0, 0 in windowed mode).
    int game_offset_x_px = 0;
    int game_offset_y_px = 0;
    // The game area's own size, which the client area keeps only in windowed mode.
    int game_width_px = 0;
    int game_height_px = 0;
};

inline constexpr int manual_page_count = 8;

struct ManualPage {
    PicturePtr picture;
    Rect bounds;
};

struct ManualSurface {
    int client_width_px = 0;
    int client_height_px = 0;
    // The page on view and the drag layer over it both cover the client area.
    Rect im_page_top;
    Rect sh_page_top;
    // `im_page_01` to `im_page_08`; pages count from 1 as their names do.
    std::array<ManualPage, manual_page_count> pages;

    ManualPage& page(int n) { return pages[static_cast<std::size_t>(n - 1)]; }
    const ManualPage& page(int n) const { return pages[static_cast<std::size_t>(n - 1)]; }
};

}  // namespace zuzazizo
