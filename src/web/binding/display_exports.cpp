// The page's display modes: fullscreen with its backdrop, logo and game menu, the fullscreen
// scale, and the handheld's time standing still while the splash screen is back.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/input/dispatch.h"
#include "core/skin/view_scale.h"
#include "web/binding/web_handheld.h"

using namespace zuzazizo;

namespace {

std::vector<std::int32_t> out_ints;
std::string out_text;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int dp_fullscreen_mode() {
    return page_handheld().fullscreen_mode() ? 1 : 0;
}

// A new layout in the mode on a viewport of this size; stored.
EMSCRIPTEN_KEEPALIVE void dp_set_fullscreen_mode(int fullscreen, int width_px, int height_px) {
    page_handheld().set_fullscreen_mode(fullscreen != 0, width_px, height_px);
}

// The layout again, on a viewport of a new size.
EMSCRIPTEN_KEEPALIVE void dp_lay_out_again(int width_px, int height_px) {
    page_handheld().lay_out_again(width_px, height_px);
}

// "<transparency> <path>" lines, as hh_picture_requests, of the fullscreen layout.
EMSCRIPTEN_KEEPALIVE const char* dp_fullscreen_picture_requests() {
    out_text.clear();
    for (const PictureRequest& request : page_handheld().fullscreen_picture_requests()) {
        out_text += request.transparency == Transparency::opaque ? "1 " : "0 ";
        out_text += request.path + "\n";
    }
    return out_text.c_str();
}

// +1, -1, or 0 for the own size: Zoom in windowed mode, FullscreenScale in fullscreen.
EMSCRIPTEN_KEEPALIVE void dp_zoom_key(int step) {
    page_handheld().zoom_key(step);
}

// The factor by which the game area is drawn.
EMSCRIPTEN_KEEPALIVE double dp_view_factor() {
    return page_handheld().view().factor;
}

// The game point that lands on a window point: game left, game top, window left, window top.
EMSCRIPTEN_KEEPALIVE const std::int32_t* dp_view_points() {
    const ViewScale view = page_handheld().view();
    out_ints = {view.game_left, view.game_top, view.window_left, view.window_top};
    return out_ints.data();
}

// Whether an image keeps its own size and place in fullscreen (backdrop, logo, game menu).
EMSCRIPTEN_KEEPALIVE int dp_is_window_level(int image) {
    return is_window_level(static_cast<ImageId>(image)) ? 1 : 0;
}

// Whether an image is a pictured button that a finger holds (the long press is not for those).
EMSCRIPTEN_KEEPALIVE int dp_is_button(int image) {
    return button_of_top_image(static_cast<ImageId>(image)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int dp_image_id(const char* name) {
    for (std::size_t i = 0; i < image_count; ++i) {
        if (image_names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

EMSCRIPTEN_KEEPALIVE void dp_set_game_menu_picture(int page_id, int width_px, int height_px) {
    page_handheld().set_game_menu_picture(page_id, width_px, height_px);
}

EMSCRIPTEN_KEEPALIVE void dp_set_game_menu_open(int open) {
    page_handheld().set_game_menu_open(open != 0);
}

EMSCRIPTEN_KEEPALIVE void dp_stand_still(double now_ms) {
    page_handheld().stand_still(static_cast<std::int64_t>(now_ms));
}

EMSCRIPTEN_KEEPALIVE void dp_go_on(double now_ms) {
    page_handheld().go_on(static_cast<std::int64_t>(now_ms));
}

EMSCRIPTEN_KEEPALIVE void dp_reset_hiscores() {
    page_handheld().reset_hiscores();
}

}  // extern "C"
