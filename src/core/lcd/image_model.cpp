#include "core/lcd/image_model.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/lcd/buttons.h"
#include "core/lcd/game_menu_sizes.h"

namespace zuzazizo {

using enum ImageId;

namespace {

constexpr std::array shown_at_start = {
    im_background,
    im_background_screen_top,
    btn_set_top,
};

// Bounds come from Config.ini and may lie anywhere in the 32-bit range, so the union is worked
// out in 64 bits and clamped rather than left to overflow.
Rect united(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const std::int64_t left = std::min(a.left, b.left);
    const std::int64_t top = std::min(a.top, b.top);
    const std::int64_t right =
        std::max(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
    const std::int64_t bottom =
        std::max(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
    constexpr std::int64_t int_max = std::numeric_limits<int>::max();
    return {static_cast<int>(left), static_cast<int>(top),
            static_cast<int>(std::min(right - left, int_max)),
            static_cast<int>(std::min(bottom - top, int_max))};
}

}  // namespace

bool is_drag_surface(ImageId id) {
    return std::find(drag_surfaces.begin(), drag_surfaces.end(), id) != drag_surfaces.end();
}

std::optional<ImageId> image_by_name(std::string_view name) {
    const auto it = std::find(image_names.begin(), image_names.end(), name);
    if (it == image_names.end()) return std::nullopt;
    return static_cast<ImageId>(it - image_names.begin());
}

ImageModel::ImageModel() {
    for (const ButtonImages& button : button_images) {
        Image& image = images_[index_of(button.top)];
        image.cursor = Cursor::hand;
        image.receives_mouse = true;
        image.transparency = Transparency::opaque;
        image.visible = true;
        images_[index_of(button.down)].transparency = Transparency::opaque;
    }
    for (ImageId id : drag_surfaces) images_[index_of(id)].receives_mouse = true;
    for (ImageId id : shown_at_start) images_[index_of(id)].visible = true;

    Image& set = images_[index_of(btn_set_top)];
    set.cursor = Cursor::help;
    set.hint = std::string(set_button_hint);
    set.draw_rule = DrawRule::stretched;

    images_[index_of(im_panel_number_0)].autosize = true;
    images_[index_of(im_backdrop_logo)].autosize = true;

    Image& menu_button = images_[index_of(btn_game_menu_top)];
    menu_button.cursor = Cursor::hand;
    menu_button.receives_mouse = true;
    menu_button.bounds = {0, 0, game_menu::closed_width_px, game_menu::closed_height_px};
    // The unfolded panel lies over the game on a small screen: a click on it must not reach a
    // button below.
    Image& menu_panel = images_[index_of(btn_game_menu_background)];
    menu_panel.bounds = menu_button.bounds;
    menu_panel.receives_mouse = true;
}

void ImageModel::report(const Image& image) const {
    if (observer_ && image.visible && !image.bounds.empty()) observer_(image.bounds);
}

void ImageModel::set_visible(ImageId id, bool visible) {
    Image& image = images_[index_of(id)];
    if (image.visible == visible) return;
    image.visible = true;  // report the area in either direction
    report(image);
    image.visible = visible;
}

void ImageModel::set_picture(ImageId id, PicturePtr picture) {
    Image& image = images_[index_of(id)];
    if (image.picture == picture) return;
    image.picture = std::move(picture);
    if (image.autosize && image.picture) {
        apply_bounds(id, {image.bounds.left, image.bounds.top, image.picture->width_px(),
                          image.picture->height_px()});
    }
    report(image);
}

void ImageModel::apply_bounds(ImageId id, const Rect& bounds) {
    Image& image = images_[index_of(id)];
    if (image.bounds == bounds) return;
    const Rect old = image.bounds;
    image.bounds = bounds;
    if (observer_ && image.visible) {
        const Rect area = united(old, bounds);
        if (!area.empty()) observer_(area);
    }
}

void ImageModel::set_bounds(ImageId id, const Rect& bounds) {
    apply_bounds(id, bounds);
}

void ImageModel::set_left(ImageId id, int left_px) {
    Rect r = images_[index_of(id)].bounds;
    r.left = left_px;
    apply_bounds(id, r);
}

void ImageModel::set_top(ImageId id, int top_px) {
    Rect r = images_[index_of(id)].bounds;
    r.top = top_px;
    apply_bounds(id, r);
}

void ImageModel::set_size(ImageId id, std::optional<int> width_px, std::optional<int> height_px) {
    const Image& image = images_[index_of(id)];
    // An autosized image keeps the size of its picture, as a window's auto-sizing image would.
    if (image.autosize && image.picture) return;
    Rect r = image.bounds;
    r.width = width_px.value_or(r.width);
    r.height = height_px.value_or(r.height);
    apply_bounds(id, r);
}

void ImageModel::set_draw_rule(ImageId id, DrawRule rule) {
    Image& image = images_[index_of(id)];
    if (image.draw_rule == rule) return;
    image.draw_rule = rule;
    report(image);
}

std::optional<ImageId> ImageModel::hit_test(int x, int y) const {
    for (std::size_t i = image_count; i-- > 0;) {
        const Image& image = images_[i];
        if (image.visible && image.receives_mouse && image.bounds.contains(x, y)) {
            return static_cast<ImageId>(i);
        }
    }
    return std::nullopt;
}

}  // namespace zuzazizo
