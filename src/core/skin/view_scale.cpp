#include "core/skin/view_scale.h"

#include <algorithm>
#include <cmath>

#include "core/settings/settings_store.h"

namespace zuzazizo {

namespace {

// Device scales within this of a whole number count as that number (screens report ratios such
// as 1.9999 for 2).
constexpr double whole_tolerance = 1e-6;

std::int64_t floor_div(double value) {
    return static_cast<std::int64_t>(std::floor(value + whole_tolerance));
}

int clamp_int(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// Centred, rounded down to whole pixels so that a whole-number scale keeps a crisp pixel grid.
int centred(int screen_px, double scaled_px) {
    return static_cast<int>(std::floor((screen_px - scaled_px) / 2.0));
}

}  // namespace

bool is_window_level(ImageId id) {
    using enum ImageId;
    return id == im_backdrop || id == im_backdrop_logo || id == btn_game_menu_background ||
           id == btn_game_menu_top;
}

// A stored value out of range reads as the value's default, like one that is not integer text.
int bounded_zoom(std::int32_t stored) {
    return stored >= zoom_min && stored <= zoom_max ? stored : settings::zoom_default;
}

FullscreenScale bounded_fullscreen_scale(std::int32_t stored) {
    const auto first = static_cast<std::int32_t>(FullscreenScale::as_laid_out);
    const auto last = static_cast<std::int32_t>(FullscreenScale::fit);
    const bool in_range = stored >= first && stored <= last;
    return static_cast<FullscreenScale>(in_range ? stored : settings::fullscreen_scale_default);
}

int stepped_zoom(int zoom, int step) {
    return std::clamp(bounded_zoom(zoom) + step, zoom_min, zoom_max);
}

FullscreenScale stepped_fullscreen_scale(FullscreenScale scale, int step) {
    const int next =
        std::clamp(static_cast<int>(scale) + step, static_cast<int>(FullscreenScale::as_laid_out),
                   static_cast<int>(FullscreenScale::fit));
    return static_cast<FullscreenScale>(next);
}

void ViewScale::to_game(int window_x, int window_y, int& game_x, int& game_y) const {
    game_x = clamp_int(floor_div((window_x - window_left) / factor) + game_left);
    game_y = clamp_int(floor_div((window_y - window_top) / factor) + game_top);
}

Rect ViewScale::window_cover(const Rect& game) const {
    const double left = std::floor(window_x(game.left));
    const double top = std::floor(window_y(game.top));
    const double right = std::ceil(window_x(static_cast<double>(game.left) + game.width));
    const double bottom = std::ceil(window_y(static_cast<double>(game.top) + game.height));
    return {clamp_int(static_cast<std::int64_t>(left)), clamp_int(static_cast<std::int64_t>(top)),
            clamp_int(static_cast<std::int64_t>(right - left)),
            clamp_int(static_cast<std::int64_t>(bottom - top))};
}

Rect ViewScale::game_cover(const Rect& window) const {
    int left = 0, top = 0, right = 0, bottom = 0;
    to_game(window.left, window.top, left, top);
    to_game(clamp_int(std::int64_t{window.left} + window.width - 1),
            clamp_int(std::int64_t{window.top} + window.height - 1), right, bottom);
    return {left, top, right - left + 1, bottom - top + 1};
}

ViewScale windowed_view(int zoom) {
    return {static_cast<double>(bounded_zoom(zoom)), 0, 0, 0, 0};
}

ViewScale fullscreen_view(FullscreenScale scale, const GameSurface& surface) {
    const ViewScale as_laid_out{};
    if (surface.game_width_px <= 0 || surface.game_height_px <= 0) return as_laid_out;
    const double across = static_cast<double>(surface.screen_width_px) / surface.game_width_px;
    const double down = static_cast<double>(surface.screen_height_px) / surface.game_height_px;
    double factor = std::min(across, down);
    if (scale == FullscreenScale::whole_multiple) {
        // A game area that fits only once (or not at all) stays where the layout put it.
        factor = std::floor(factor + whole_tolerance);
        if (factor <= 1.0) return as_laid_out;
    }
    // Fitting may also shrink a game area larger than the screen.
    if (scale == FullscreenScale::as_laid_out || exact_factor(factor, 1)) return as_laid_out;
    return {factor, surface.game_offset_x_px, surface.game_offset_y_px,
            centred(surface.screen_width_px, surface.game_width_px * factor),
            centred(surface.screen_height_px, surface.game_height_px * factor)};
}

int picture_factor(double device_scale) {
    const auto factor = static_cast<int>(std::ceil(device_scale - whole_tolerance));
    return std::clamp(factor, zoom_min, zoom_max);
}

bool exact_factor(double device_scale, int factor) {
    return std::abs(device_scale - factor) < whole_tolerance;
}

}  // namespace zuzazizo
