// The model of every image of the main window, kept in stacking order.
//
// The core lights segments by changing this model; the window paints from it. Every change that
// alters what is on screen is reported to the observer as a rectangle, so that the window can
// repaint only those rectangles. Changes that cannot be seen (a hidden image getting a new
// picture) are not reported.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/lcd/image_id.h"
#include "core/lcd/picture.h"

namespace zuzazizo {

// A rectangle in pixels of the window's client area, as an image's bounds are kept.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int x, int y) const {
        // In 64 bits: an image near the end of the int range must not overflow its right edge.
        return x >= left && y >= top && x < std::int64_t{left} + width &&
               y < std::int64_t{top} + height;
    }
    bool operator==(const Rect&) const = default;
};

enum class Cursor { arrow, hand, help };

// How a picture is put into its rectangle.
enum class DrawRule {
    at_own_size,  // from the top-left corner, clipped to the rectangle
    stretched,    // scaled to the rectangle
    centred,      // at its own size, centred in the rectangle (a backdrop that is not stretched)
};

// Whether a bitmap's bottom-left colour is see-through. Pictures with their own alpha (PNG) always
// keep it; only the pressed and released looks of the six working buttons are opaque bitmaps.
enum class Transparency { bottom_left_key, opaque };

// The hint of the SET button, which has no action: shown from power-on and again whenever the
// hints are rebuilt for new key bindings.
inline constexpr std::string_view set_button_hint = "button disabled";
// The case, the screen overlay, the backlight and SET move the window when dragged in windowed
// mode; they receive the mouse for that alone.
inline constexpr std::array drag_surfaces = {
    ImageId::im_background,
    ImageId::im_background_screen_top,
    ImageId::im_background_light,
    ImageId::btn_set_top,
};
bool is_drag_surface(ImageId id);

struct Image {
    Rect bounds;
    bool visible = false;
    PicturePtr picture;
    std::string hint;
    Cursor cursor = Cursor::arrow;
    DrawRule draw_rule = DrawRule::at_own_size;
    Transparency transparency = Transparency::bottom_left_key;
    bool autosize = false;        // takes the size of its picture when one is loaded
    bool receives_mouse = false;  // hit-tested by the window
};

class ImageModel {
  public:
    using Observer = std::function<void(const Rect&)>;

    ImageModel();

    const Image& operator[](ImageId id) const { return images_[index_of(id)]; }
    void set_observer(Observer observer) { observer_ = std::move(observer); }

    void set_visible(ImageId id, bool visible);
    void show(ImageId id) { set_visible(id, true); }
    void hide(ImageId id) { set_visible(id, false); }
    void set_picture(ImageId id, PicturePtr picture);
    void set_bounds(ImageId id, const Rect& bounds);
    void set_left(ImageId id, int left_px);
    void set_top(ImageId id, int top_px);
    void set_width(ImageId id, int width_px) { set_size(id, width_px, std::nullopt); }
    void set_height(ImageId id, int height_px) { set_size(id, std::nullopt, height_px); }
    void set_hint(ImageId id, std::string hint) { images_[index_of(id)].hint = std::move(hint); }
    void set_draw_rule(ImageId id, DrawRule rule);

    // The topmost visible image that receives the mouse at the point, if any.
    std::optional<ImageId> hit_test(int x, int y) const;

  private:
    void report(const Image& image) const;
    void apply_bounds(ImageId id, const Rect& bounds);
    void set_size(ImageId id, std::optional<int> width_px, std::optional<int> height_px);

    std::array<Image, image_count> images_{};
    Observer observer_;
};

}  // namespace zuzazizo
