// Zoom of the windowed mode and scale of fullscreen: the keys that choose them, their stored
// values, the window's size, and the mapping between the window's pixels and the game area's.
//
// Ctrl with +, - or 0 belongs to the window, not the handheld: the presses are taken here, and so
// are their releases, which would otherwise reach the handheld as releases of 0 or the minus key.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/lcd/image_model.h"
#include "core/settings/settings_store.h"
#include "core/skin/view_scale.h"
#include "core/skin/window_surface.h"
#include "frontend/common/held_keys_qt.h"

namespace zuzazizo {

class WindowZoom {
  public:
    // `surface` is the window's last layout, and says which mode it is in. `relayout()` applies a
    // changed view to the window (size, shape, repaint).
    WindowZoom(QWidget& window, SettingsStore& settings, const GameSurface& surface,
               const ImageModel& images, std::function<void()> relayout);

    // Reads `Zoom` and `FullscreenScale`, bounded to what they may be.
    void load();
    // Sets the view for the current layout and gives the window its size.
    void apply();

    int zoom() const { return zoom_; }
    FullscreenScale fullscreen_scale() const { return fullscreen_scale_; }
    const ViewScale& view() const { return view_; }
    // Both store the value, even when it has not changed.
    void set_zoom(int zoom);
    void set_fullscreen_scale(FullscreenScale scale);

    // True when the key was a zoom key (or the release of one) and goes no further.
    bool key_press(const KeyStroke& stroke);
    bool key_release(const KeyStroke& stroke);

    // The image under a window point: the window's own items at their own size first, then the
    // game area's through the view.
    std::optional<ImageId> hit_at(const QPoint& window_pos) const;
    // Repaints the window where a changed game rectangle now lies.
    void update_game_rect(const Rect& game);

  private:
    bool fullscreen() const { return surface_.fullscreen_mode; }
    void resize_about_centre();

    QWidget& window_;
    SettingsStore& settings_;
    const GameSurface& surface_;
    const ImageModel& images_;
    std::function<void()> relayout_;
    int zoom_ = zoom_min;
    FullscreenScale fullscreen_scale_ = FullscreenScale::as_laid_out;
    ViewScale view_;
    std::vector<KeyId> keys_down_;
};

}  // namespace zuzazizo
