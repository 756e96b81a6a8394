// The functions the page's windows call: the key settings dialog, the manual viewer and the about
// box, over the core's rules of them. Plain C, as exports.cpp; lists go out as int32 arrays valid
// until the next call that returns one.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/input/key_dialog_model.h"
#include "core/shell/window_centring.h"
#include "core/skin/gfxinit.h"
#include "core/skin/picture_scales.h"
#include "core/windows/manual_button_art.h"
#include "core/windows/manual_pages.h"
#include "web/binding/page_imports.h"
#include "web/binding/web_handheld.h"
#include "web/binding/windows_texts.h"

using namespace zuzazizo;

namespace {

std::vector<std::int32_t> out_ints;
std::vector<std::uint32_t> out_pixels;
std::string out_text;

// Made from the bindings at its first use and kept for the page's life, as the desktop keeps its
// dialog: a selection left unsaved by Escape is what the next opening shows.
KeyDialogModel& key_model() {
    static std::optional<KeyDialogModel> model;
    if (!model) model.emplace(page_handheld().key_bindings());
    return *model;
}

// Every page the layout names may exist and load: the page fetches them all and finds out.
class PageRequests final : public PictureLoader {
  public:
    bool exists(const std::string&) const override { return true; }
    LoadedPicture load(const std::string& path, Transparency) override {
        paths.push_back(path);
        return {std::make_shared<WebPicture>(-1, 0, 0), {}};
    }
    PicturePtr missing_image_marker() override { return {}; }
    std::vector<std::string> paths;
};

WebPictureLoader& manual_pictures() {
    static WebPictureLoader loader;
    return loader;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* wd_design() {
    out_text = windows_design_json();
    return out_text.c_str();
}

// ---- The key settings dialog.

// The position slot's list shows, -1 for none.
EMSCRIPTEN_KEEPALIVE int wd_keys_selected(int slot) {
    return key_model().selected(slot);
}
EMSCRIPTEN_KEEPALIVE void wd_keys_select(int slot, int position) {
    key_model().select(slot, position);
}
// Per slot 1..6: 1 when its label is marked as sharing a key.
EMSCRIPTEN_KEEPALIVE const std::int32_t* wd_keys_marked() {
    const KeyConflicts& conflicts = key_model().conflicts();
    out_ints.clear();
    for (int slot = 1; slot <= key_slot_count; ++slot)
        out_ints.push_back(conflicts.marked[static_cast<std::size_t>(slot)] ? 1 : 0);
    return out_ints.data();
}
EMSCRIPTEN_KEEPALIVE int wd_keys_can_accept() {
    return key_model().can_accept() ? 1 : 0;
}
// Stores the lists' keys as the bindings (and in the settings) and writes the buttons' hints.
EMSCRIPTEN_KEEPALIVE void wd_keys_accept() {
    WebHandheld& handheld = page_handheld();
    key_model().accept(handheld.key_bindings());
    handheld.key_bindings().Key_Build_Hints(handheld.image_model());
}
// What a key does in the dialog: 0 nothing (it goes on to the list), 1 accept, 2 close.
EMSCRIPTEN_KEEPALIVE int wd_keys_key(int key) {
    const std::optional<KeyDialogKey> action = key_dialog_key(static_cast<std::uint16_t>(key));
    if (!action) return 0;
    return *action == KeyDialogKey::accept ? 1 : 2;
}

// ---- The manual viewer. Buttons are 0 close (Esc), 1 previous page, 2 next page.

// "<transparency> <path>" lines of the pages the layout will load, as hh_picture_requests.
EMSCRIPTEN_KEEPALIVE const char* wd_manual_requests() {
    ManualSurface surface;
    PageRequests requests;
    Gfx_Init_Manual(page_handheld().config(), web_site_dir, surface, requests);
    out_text.clear();
    for (const std::string& path : requests.paths) out_text += "1 " + path + "\n";
    return out_text.c_str();
}
// A page's drawing with twice the pixels, and that factor; there are none at other factors.
EMSCRIPTEN_KEEPALIVE const char* wd_manual_larger_page(const char* path) {
    out_text = manual_larger_page(path);
    return out_text.c_str();
}
EMSCRIPTEN_KEEPALIVE int wd_manual_larger_factor() {
    return manual_larger_factor;
}
EMSCRIPTEN_KEEPALIVE void wd_manual_record(const char* path, int status, int page_id, int width_px,
                                           int height_px) {
    manual_pictures().record(path, Transparency::opaque,
                             {static_cast<FetchedStatus>(status), page_id, width_px, height_px});
}
// The layout over the recorded pages; an error goes to the message box. Width, height, then the
// page's picture number of pages 1 to 8 (0: the missing-picture marker, -1: none).
EMSCRIPTEN_KEEPALIVE const std::int32_t* wd_manual_layout() {
    ManualSurface surface;
    const LayoutResult result =
        Gfx_Init_Manual(page_handheld().config(), web_site_dir, surface, manual_pictures());
    if (!result.ok()) page_report_error(result.message.c_str());
    out_ints = {surface.client_width_px, surface.client_height_px};
    for (int n = manual_first_page; n <= manual_last_page; ++n) {
        const auto* picture = dynamic_cast<const WebPicture*>(surface.page(n).picture.get());
        out_ints.push_back(picture ? picture->page_id() : -1);
    }
    return out_ints.data();
}
// The button a key works on this page, -1 for none.
EMSCRIPTEN_KEEPALIVE int wd_manual_key_button(int key, int page) {
    const auto button = manual_key_button(static_cast<std::uint16_t>(key), page);
    return button ? static_cast<int>(*button) : -1;
}
EMSCRIPTEN_KEEPALIVE int wd_manual_page_after(int button, int page) {
    return manual_page_after(static_cast<ManualButton>(button), page);
}
// The previous-page pair, then the next-page pair: 1 shown, 0 hidden, -1 left as it is.
EMSCRIPTEN_KEEPALIVE const std::int32_t* wd_manual_page_buttons(int page) {
    const ManualPageButtons buttons = manual_page_buttons(page);
    const auto code = [](const std::optional<bool>& shown) {
        return shown ? (*shown ? 1 : 0) : -1;
    };
    out_ints = {code(buttons.left_shown), code(buttons.right_shown)};
    return out_ints.data();
}
// Glyph 0 cross, 1 left arrow, 2 right arrow; the pixels as 0xFFRRGGBB, row by row, `scale`
// pixels to a point.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* wd_manual_button_pixels(int glyph, int pressed,
                                                                  int scale) {
    out_pixels = manual_button_pixels(static_cast<ManualGlyph>(glyph), pressed != 0, scale);
    return out_pixels.data();
}

// ---- Placement: a window's left and top when centred on a screen (the page's viewport).
EMSCRIPTEN_KEEPALIVE const std::int32_t* wd_centred_on(int screen_width, int screen_height,
                                                       int width, int height) {
    const WindowPlace place = centred_on({0, 0, screen_width, screen_height}, width, height);
    out_ints = {place.left, place.top};
    return out_ints.data();
}

}  // extern "C"
