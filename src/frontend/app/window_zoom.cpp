#include "frontend/app/window_zoom.h"

#include <QScreen>
#include <algorithm>

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

WindowZoom::WindowZoom(QWidget& window, SettingsStore& settings, const GameSurface& surface,
                       const ImageModel& images, std::function<void()> relayout)
    : window_(window),
      settings_(settings),
      surface_(surface),
      images_(images),
      relayout_(std::move(relayout)) {}

void WindowZoom::load() {
    zoom_ = bounded_zoom(settings_.read_integer(settings::zoom, settings::zoom_default));
    fullscreen_scale_ = bounded_fullscreen_scale(
        settings_.read_integer(settings::fullscreen_scale, settings::fullscreen_scale_default));
}

void WindowZoom::apply() {
    view_ = fullscreen() ? fullscreen_view(fullscreen_scale_, surface_) : windowed_view(zoom_);
    // Fullscreen covers the screen already; only the windowed client area grows with the zoom.
    const int factor = fullscreen() ? 1 : zoom_;
    window_.setFixedSize(std::max(surface_.client_width_px * factor, 1),
                         std::max(surface_.client_height_px * factor, 1));
}

void WindowZoom::set_zoom(int zoom) {
    zoom = bounded_zoom(zoom);
    if (zoom != zoom_) {
        zoom_ = zoom;
        if (!fullscreen()) resize_about_centre();
    }
    settings_.write_integer(settings::zoom, zoom_);
}

// The handheld grows and shrinks about its middle, as far as the screen's top-left corner allows,
// so that the player's eyes need not follow it into a corner.
void WindowZoom::resize_about_centre() {
    const QPoint centre = window_.geometry().center();
    relayout_();
    if (!window_.isVisible()) return;
    const QScreen* screen = window_.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QPoint corner = centre - QPoint(window_.width() / 2, window_.height() / 2);
    window_.move(std::max(corner.x(), available.left()), std::max(corner.y(), available.top()));
}

void WindowZoom::set_fullscreen_scale(FullscreenScale scale) {
    if (scale != fullscreen_scale_) {
        fullscreen_scale_ = scale;
        if (fullscreen()) relayout_();
    }
    settings_.write_integer(settings::fullscreen_scale, static_cast<std::int32_t>(scale));
}

// A zoom key stays one until it is let go: its repeats are the zoom's, with Ctrl or without. A
// key that was already held when Ctrl went down (a bound 0) stays the handheld's.
bool WindowZoom::key_press(const KeyStroke& stroke) {
    if (std::find(keys_down_.begin(), keys_down_.end(), stroke.id) != keys_down_.end()) return true;
    if (stroke.repeat) return false;
    const std::optional<int> step = zoom_step_of(stroke);
    if (!step) return false;
    keys_down_.push_back(stroke.id);
    if (fullscreen()) {
        set_fullscreen_scale(*step == 0 ? FullscreenScale::as_laid_out
                                        : stepped_fullscreen_scale(fullscreen_scale_, *step));
    } else {
        set_zoom(*step == 0 ? zoom_min : stepped_zoom(zoom_, *step));
    }
    return true;
}

bool WindowZoom::key_release(const KeyStroke& stroke) {
    const auto it = std::find(keys_down_.begin(), keys_down_.end(), stroke.id);
    if (it == keys_down_.end()) return false;
    keys_down_.erase(it);
    return true;
}

std::optional<ImageId> WindowZoom::hit_at(const QPoint& window_pos) const {
    const std::optional<ImageId> own = images_.hit_test(window_pos.x(), window_pos.y());
    if (own && is_window_level(*own)) return own;
    int x = 0, y = 0;
    view_.to_game(window_pos.x(), window_pos.y(), x, y);
    const std::optional<ImageId> hit = images_.hit_test(x, y);
    return hit && !is_window_level(*hit) ? hit : std::nullopt;
}

void WindowZoom::update_game_rect(const Rect& game) {
    const Rect r = view_.window_cover(game);
    window_.update(QRect(r.left, r.top, r.width, r.height));
    // The change may be the window's own (backdrop, logo, game menu), which only fullscreen shows
    // and which stays where it is; the report does not say which image changed.
    if (fullscreen() && !view_.identity())
        window_.update(QRect(game.left, game.top, game.width, game.height));
}

}  // namespace zuzazizo
