// The functions the page calls, as plain C so that JavaScript reaches them by name.
//
// There is one handheld per page. Strings come in as UTF-8; lists go out as flat int32 arrays in
// the module's memory, valid until the next call of the same function.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "web/binding/web_handheld.h"

using namespace zuzazizo;

namespace {

std::unique_ptr<WebHandheld> handheld;
std::vector<std::int32_t> out_ints;
std::string out_text;

// Per image: visible, picture's page id (-1: none), left, top, width, height, draw rule, cursor.
constexpr int image_fields = 8;

void put_image(const Image& image) {
    const auto* picture = dynamic_cast<const WebPicture*>(image.picture.get());
    out_ints.insert(
        out_ints.end(),
        {image.visible ? 1 : 0, picture ? picture->page_id() : -1, image.bounds.left,
         image.bounds.top, image.bounds.width, image.bounds.height,
         static_cast<std::int32_t>(image.draw_rule), static_cast<std::int32_t>(image.cursor)});
}

MouseButton mouse_button_of(int dom_button) {
    switch (dom_button) {
        case 0:
            return MouseButton::left;
        case 1:
            return MouseButton::middle;
        case 2:
            return MouseButton::right;
        default:
            return MouseButton::other;
    }
}

}  // namespace

WebHandheld& zuzazizo::page_handheld() {
    return *handheld;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void hh_new() {
    handheld = std::make_unique<WebHandheld>();
}

// has_config 0: Config.ini is missing.
EMSCRIPTEN_KEEPALIVE void hh_set_config(int has_config, const char* text) {
    handheld->set_config(has_config ? std::optional<std::string>(text) : std::nullopt);
}

// "<transparency> <path>" lines, transparency 0 for the bottom-left key and 1 for opaque.
EMSCRIPTEN_KEEPALIVE const char* hh_picture_requests() {
    out_text.clear();
    for (const PictureRequest& request : handheld->picture_requests()) {
        out_text += request.transparency == Transparency::opaque ? "1 " : "0 ";
        out_text += request.path + "\n";
    }
    return out_text.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* hh_extension_reason(const char* path) {
    out_text = unreadable_extension_reason(path);
    return out_text.c_str();
}

EMSCRIPTEN_KEEPALIVE void hh_record_picture(const char* path, int transparency, int status,
                                            int page_id, int width_px, int height_px) {
    handheld->pictures().record(
        path, transparency == 1 ? Transparency::opaque : Transparency::bottom_left_key,
        {static_cast<FetchedStatus>(status), page_id, width_px, height_px});
}

EMSCRIPTEN_KEEPALIVE int hh_create() {
    return handheld->create() ? 1 : 0;
}

// 0: the page's sound output, 1: no sound.
EMSCRIPTEN_KEEPALIVE int hh_sound_choice() {
    return handheld->sound_choice() == WebSoundChoice::none ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void hh_power_on(int no_sound) {
    handheld->power_on(no_sound ? WebSoundChoice::none : WebSoundChoice::page_output);
}

EMSCRIPTEN_KEEPALIVE void hh_sound_failed() {
    handheld->sound_failed();
}

// -1 when no timer runs.
EMSCRIPTEN_KEEPALIVE double hh_next_due_ms() {
    const std::optional<std::int64_t> due = handheld->next_due_ms();
    return due ? static_cast<double>(*due) : -1.0;
}

EMSCRIPTEN_KEEPALIVE void hh_advance_to(double now_ms) {
    handheld->advance_to(static_cast<std::int64_t>(now_ms));
}

EMSCRIPTEN_KEEPALIVE int hh_is_bound(int key) {
    return handheld->is_bound(static_cast<std::uint16_t>(key)) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void hh_key_down(int key) {
    handheld->key_down(static_cast<std::uint16_t>(key));
}
EMSCRIPTEN_KEEPALIVE void hh_key_up(int key) {
    handheld->key_up(static_cast<std::uint16_t>(key));
}
EMSCRIPTEN_KEEPALIVE void hh_mouse_down(int x, int y, int button) {
    handheld->mouse_down(x, y, mouse_button_of(button));
}
EMSCRIPTEN_KEEPALIVE void hh_mouse_up(int button) {
    handheld->mouse_up(mouse_button_of(button));
}
EMSCRIPTEN_KEEPALIVE void hh_touch_down(int finger, int x, int y) {
    handheld->touch_down(finger, x, y);
}
EMSCRIPTEN_KEEPALIVE void hh_touch_up(int finger) {
    handheld->touch_up(finger);
}

// The image under a point, -1 for none.
EMSCRIPTEN_KEEPALIVE int hh_hit_at(int x, int y) {
    const std::optional<ImageId> hit = handheld->hit_at(x, y);
    return hit ? static_cast<int>(*hit) : -1;
}
EMSCRIPTEN_KEEPALIVE const char* hh_hint(int image) {
    out_text = handheld->images()[static_cast<ImageId>(image)].hint;
    return out_text.c_str();
}

EMSCRIPTEN_KEEPALIVE int hh_zoom() {
    return handheld->zoom();
}
EMSCRIPTEN_KEEPALIVE void hh_step_zoom(int step) {
    handheld->step_zoom(step);
}

// client width, client height, colour, colour key, colour key on.
EMSCRIPTEN_KEEPALIVE const std::int32_t* hh_surface() {
    const GameSurface& s = handheld->surface();
    out_ints = {s.client_width_px, s.client_height_px, static_cast<std::int32_t>(s.colour),
                static_cast<std::int32_t>(s.colour_key), s.colour_key_on ? 1 : 0};
    return out_ints.data();
}

// image_count entries of image_fields each, bottom to top.
EMSCRIPTEN_KEEPALIVE const std::int32_t* hh_images() {
    out_ints.clear();
    for (std::size_t i = 0; i < image_count; ++i)
        put_image(handheld->images()[static_cast<ImageId>(i)]);
    return out_ints.data();
}
EMSCRIPTEN_KEEPALIVE int hh_image_count() {
    return static_cast<int>(image_count);
}
EMSCRIPTEN_KEEPALIVE int hh_image_fields() {
    return image_fields;
}

// A count, then left, top, width, height of each rectangle changed since the last call.
EMSCRIPTEN_KEEPALIVE const std::int32_t* hh_take_dirty() {
    const std::vector<Rect> dirty = handheld->take_dirty();
    out_ints = {static_cast<std::int32_t>(dirty.size())};
    for (const Rect& r : dirty) out_ints.insert(out_ints.end(), {r.left, r.top, r.width, r.height});
    return out_ints.data();
}

// The state a test of the page reads: game mode, score, misses, the two high scores, and whether
// the game sounds.
EMSCRIPTEN_KEEPALIVE const std::int32_t* hh_game_state() {
    const GameState& state = handheld->engine().state;
    out_ints = {state.game_mode, state.score,     state.misses,
                state.hiscore_1, state.hiscore_2, state.game_sound ? 1 : 0};
    return out_ints.data();
}

}  // extern "C"

extern "C" {

// Which drawn size (1 to 4) the page paints from at a device scale, and whether it lands exactly.
EMSCRIPTEN_KEEPALIVE int hh_picture_factor(double device_scale) {
    return picture_factor(device_scale);
}
EMSCRIPTEN_KEEPALIVE int hh_exact_factor(double device_scale, int factor) {
    return exact_factor(device_scale, factor) ? 1 : 0;
}

}  // extern "C"
