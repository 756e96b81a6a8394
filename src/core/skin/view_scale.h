// How the game area is scaled into the main window: the zoom of the windowed mode, the scale
// chosen for fullscreen, and the mapping between window and game coordinates that painting,
// hit-testing and dragging share.
//
// Game coordinates are those of the image model (the client area as laid out by Config.ini);
// window coordinates are the widget's logical pixels.
#pragma once

#include <cstdint>

#include "core/lcd/image_model.h"
#include "core/skin/window_surface.h"

namespace zuzazizo {

inline constexpr int zoom_min = 1;
inline constexpr int zoom_max = 4;

enum class FullscreenScale : std::int32_t {
    as_laid_out = 0,     // the game area at its own size where Config.ini puts it
    whole_multiple = 1,  // the largest whole multiple of the game area that fits the screen
    fit = 2,             // as large as the screen allows, keeping the aspect ratio
};

// The backdrop, its logo and the in-window game menu belong to the window, not to the handheld:
// they keep their own size and place at every scale.
bool is_window_level(ImageId id);

// Stored values outside the range read as the default.
int bounded_zoom(std::int32_t stored);
FullscreenScale bounded_fullscreen_scale(std::int32_t stored);
// One step up or down, held at the ends of the range.
int stepped_zoom(int zoom, int step);
FullscreenScale stepped_fullscreen_scale(FullscreenScale scale, int step);

struct ViewScale {
    double factor = 1.0;
    // The game point that lands on the window point below.
    int game_left = 0;
    int game_top = 0;
    int window_left = 0;
    int window_top = 0;

    bool identity() const {
        return factor == 1.0 && game_left == window_left && game_top == window_top;
    }
    // The game point under a window pixel; a window pixel always falls into exactly one.
    void to_game(int window_x, int window_y, int& game_x, int& game_y) const;
    // The smallest rectangles that cover the given one in the other coordinates.
    Rect window_cover(const Rect& game) const;
    Rect game_cover(const Rect& window) const;
    // Where a game x or y lies in the window, not rounded.
    double window_x(double game_x) const { return window_left + (game_x - game_left) * factor; }
    double window_y(double game_y) const { return window_top + (game_y - game_top) * factor; }
};

ViewScale windowed_view(int zoom);
// The surface after a fullscreen layout: the screen size, the game area's size and offsets.
ViewScale fullscreen_view(FullscreenScale scale, const GameSurface& surface);

// Which drawn size of a picture (1 to 4 times) matches a device scale (zoom times the screen's
// device pixel ratio): the smallest that is not coarser, so that it is never enlarged when it can
// be reduced instead.
int picture_factor(double device_scale);
// True when a picture of that factor lands on the device pixels one to one.
bool exact_factor(double device_scale, int factor);

}  // namespace zuzazizo
