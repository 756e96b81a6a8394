// Zoom of the windowed mode and scale of fullscreen: the keys that choose them, the window size
// and the mapping of the window's pixels to the game area's.
#include <QScreen>
#include <algorithm>

#include "frontend/app/unit1.h"
#include "frontend/common/key_codes_qt.h"

namespace zuzazizo {

namespace {

// +1 larger, -1 smaller, 0 back to the game area's own size; nullopt for any other key. The
// reset is the digit 0 key, wherever the layout puts the character 0.
std::optional<int> zoom_step_of(const KeyStroke& stroke) {
    if (!(stroke.modifiers & Qt::ControlModifier)) return std::nullopt;
    if (stroke.key == vk::digit(0)) return 0;
    switch (stroke.qt_key) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return 1;
        case Qt::Key_Minus:
            return -1;
        case Qt::Key_0:
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace

void TForm1::load_zoom() {
    zoom_ = bounded_zoom(settings_.read_integer(settings::zoom, settings::zoom_default));
    fullscreen_scale_ = bounded_fullscreen_scale(
        settings_.read_integer(settings::fullscreen_scale, settings::fullscreen_scale_default));
}

void TForm1::apply_view() {
    view_ = fullscreen_mode_ ? fullscreen_view(fullscreen_scale_, surface_) : windowed_view(zoom_);
    // Fullscreen covers the screen already; only the windowed client area grows with the zoom.
    const int factor = fullscreen_mode_ ? 1 : zoom_;
    setFixedSize(std::max(surface_.client_width_px * factor, 1),
                 std::max(surface_.client_height_px * factor, 1));
}

void TForm1::set_zoom(int zoom) {
    zoom = bounded_zoom(zoom);
    if (zoom != zoom_) {
        zoom_ = zoom;
        if (!fullscreen_mode_) resize_about_centre();
    }
    settings_.write_integer(settings::zoom, zoom_);
}

// The handheld grows and shrinks about its middle, as far as the screen's top-left corner allows,
// so that the player's eyes need not follow it into a corner.
void TForm1::resize_about_centre() {
    const QPoint centre = geometry().center();
    apply_surface();
    if (!isVisible()) return;
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QPoint corner = centre - QPoint(width() / 2, height() / 2);
    move(std::max(corner.x(), available.left()), std::max(corner.y(), available.top()));
}

void TForm1::set_fullscreen_scale(FullscreenScale scale) {
    if (scale != fullscreen_scale_) {
        fullscreen_scale_ = scale;
        if (fullscreen_mode_) apply_surface();
    }
    settings_.write_integer(settings::fullscreen_scale, static_cast<std::int32_t>(scale));
}

// A zoom key stays one until it is let go: its repeats are the zoom's, with Ctrl or without. A
// key that was already held when Ctrl went down (a bound 0) stays the handheld's.
bool TForm1::handle_zoom_key(const KeyStroke& stroke) {
    const bool zooming = std::find(zoom_keys_down_.begin(), zoom_keys_down_.end(), stroke.id) !=
                         zoom_keys_down_.end();
    if (zooming) return true;
    if (stroke.repeat) return false;
    const std::optional<int> step = zoom_step_of(stroke);
    if (!step) return false;
    zoom_keys_down_.push_back(stroke.id);
    if (fullscreen_mode_) {
        set_fullscreen_scale(*step == 0 ? FullscreenScale::as_laid_out
                                        : stepped_fullscreen_scale(fullscreen_scale_, *step));
    } else {
        set_zoom(*step == 0 ? zoom_min : stepped_zoom(zoom_, *step));
    }
    return true;
}

bool TForm1::swallow_zoom_release(const KeyStroke& stroke) {
    const auto it = std::find(zoom_keys_down_.begin(), zoom_keys_down_.end(), stroke.id);
    if (it == zoom_keys_down_.end()) return false;
    zoom_keys_down_.erase(it);
    return true;
}

// The window's own items lie above the handheld and are met at their own size first.
std::optional<ImageId> TForm1::hit_at(const QPoint& window_pos) const {
    const std::optional<ImageId> own = images_.hit_test(window_pos.x(), window_pos.y());
    if (own && is_window_level(*own)) return own;
    int x = 0, y = 0;
    view_.to_game(window_pos.x(), window_pos.y(), x, y);
    const std::optional<ImageId> hit = images_.hit_test(x, y);
    return hit && !is_window_level(*hit) ? hit : std::nullopt;
}

void TForm1::update_game_rect(const Rect& game) {
    const Rect r = view_.window_cover(game);
    update(QRect(r.left, r.top, r.width, r.height));
    // The change may be the window's own (backdrop, logo, game menu), which only fullscreen shows
    // and which stays where it is; the report does not say which image changed.
    if (fullscreen_mode_ && !view_.identity())
        update(QRect(game.left, game.top, game.width, game.height));
}

}  // namespace zuzazizo
