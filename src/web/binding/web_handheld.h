// The handheld as the web page runs it: the core's parts wired together as the desktop main
// window wires them, on the page's services.
//
// Time is a VirtualClock that the page moves along with performance.now(): it sleeps until
// next_due_ms() and then advances the clock to the moment it woke, so every timer event runs in
// order and a late wake-up never shifts the following periods. While the page is hidden it stops
// advancing, and the handheld's time stands still.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/engine/engine.h"
#include "core/engine/virtual_clock.h"
#include "core/input/dispatch.h"
#include "core/input/key_bindings.h"
#include "core/lcd/lcd.h"
#include "core/skin/gfxinit.h"
#include "core/skin/picture_requests.h"
#include "core/skin/view_scale.h"
#include "web/binding/web_pictures.h"
#include "web/binding/web_platform.h"

namespace zuzazizo {

// The folder the layouts take Config.ini to be in: the site's own, so that every relative name in
// it resolves as the page's URLs do. The module has no files: Config.ini comes as text.
inline constexpr const char* web_site_dir = "/site";

// The sound output the handheld powers on with: the page's own, or none ("(no sound)"). The
// splash screen chooses it, or the stored choice when the splash is skipped.
enum class WebSoundChoice { page_output, none };

class WebHandheld {
  public:
    WebHandheld();
    WebHandheld(const WebHandheld&) = delete;
    WebHandheld& operator=(const WebHandheld&) = delete;

    // Step 1: Config.ini's text (nothing: the file is missing) and the pictures it names.
    void set_config(const std::optional<std::string>& text);
    const ConfigText& config() const { return config_; }
    // In the stored display mode, which the creation lays out; fullscreen_picture_requests() are
    // those a switch to fullscreen needs.
    std::vector<PictureRequest> picture_requests() const;
    std::vector<PictureRequest> fullscreen_picture_requests() const;
    WebPictureLoader& pictures() { return pictures_; }

    // Step 2, the main window's creation: layout (in the stored display mode, on a screen of the
    // given size), key bindings, high scores. Errors go to the page's message box. False when
    // Config.ini is missing, after which the handheld never runs.
    bool create(int screen_width_px, int screen_height_px);
    // Step 3, after the splash screen: the sound choice and the all-segments display.
    void power_on(WebSoundChoice choice);
    // The sound folder is broken: the message, and the settings put back as on the desktop.
    void sound_failed();

    // Time, in milliseconds since the handheld was made, less the time it stood still.
    std::optional<std::int64_t> next_due_ms();
    void advance_to(std::int64_t now_ms);
    // While the splash screen is back on the page (its "Exit"), the handheld's time stands still.
    void stand_still(std::int64_t now_ms);
    void go_on(std::int64_t now_ms);
    std::int64_t now_ms() const { return clock_.now_ms(); }

    // Input, in the canvas's CSS pixels.
    bool is_bound(std::uint16_t virtual_key) const;
    void key_down(std::uint16_t virtual_key) { dispatch_.FormKeyDown(virtual_key); }
    void key_up(std::uint16_t virtual_key) { dispatch_.FormKeyUp(virtual_key); }
    void mouse_down(int x, int y, MouseButton button) {
        dispatch_.mouse_down(hit_at(x, y), button);
    }
    void mouse_up(MouseButton button) { dispatch_.mouse_up(button); }
    // Each finger holds the button it came down on until it lifts, so several buttons can be
    // held at once; a finger that lands beside the buttons holds nothing.
    void touch_down(int finger, int x, int y);
    void touch_up(int finger);
    std::optional<ImageId> hit_at(int x, int y) const;

    // Zoom as on the desktop: kept in the settings, 1 to 4.
    int zoom() const { return zoom_; }
    void step_zoom(int step);
    // A zoom key: +1, -1, or 0 for back to the own size. In fullscreen mode it chooses the
    // FullscreenScale instead, as on the desktop. Both are stored.
    void zoom_key(int step);

    // The display mode (FullscreenMode, read at creation): a new layout on a screen of this size,
    // stored at each switch. In fullscreen the screen is the page's viewport.
    bool fullscreen_mode() const { return surface_.fullscreen_mode; }
    void set_fullscreen_mode(bool fullscreen, int screen_width_px, int screen_height_px);
    // The same mode on a screen of a new size (the page's viewport changed); nothing is stored.
    void lay_out_again(int screen_width_px, int screen_height_px) {
        lay_out(screen_width_px, screen_height_px);
    }
    // The game area's place in the window: the zoom, or the fullscreen scale.
    ViewScale view() const;
    // The in-window game menu's picture, drawn by the page, and its size for open or closed.
    void set_game_menu_picture(int page_id, int width_px, int height_px);
    void set_game_menu_open(bool open);

    void reset_hiscores() { engine_.reset_hiscores(); }
    SettingsStore& settings() { return settings_; }

    const GameSurface& surface() const { return surface_; }
    const ImageModel& images() const { return images_; }
    const Engine& engine() const { return engine_; }
    // The key dialog changes the bindings and the hints they write on the buttons.
    KeyBindings& key_bindings() { return keys_; }
    ImageModel& image_model() { return images_; }
    // The rectangles changed since the last call, in game pixels.
    std::vector<Rect> take_dirty();

    // A replayed run, for comparing the page with the desktop program: the local time starts at
    // `start` and moves with the handheld's clock, and the balls come from a coin with `seed`.
    void replay(LocalTime start, std::uint32_t seed);
    // The play ticks so far, for timing them.
    struct PlayTicks {
        std::uint64_t count = 0;
        std::int64_t last_ms = 0;
    };
    const PlayTicks& play_ticks() const { return play_ticks_; }

  private:
    void lay_out(int screen_width_px, int screen_height_px);

    // The computer's local time, or a replayed run's.
    class PageWallClock final : public WallClock {
      public:
        LocalTime now() const override { return replayed_ ? replayed_->now() : system_.now(); }
        void replay(LocalTime start, const VirtualClock& clock) {
            replayed_.emplace(start, [&clock] { return clock.now_ms(); });
        }

      private:
        SystemWallClock system_;
        std::optional<RunningWallClock> replayed_;
    };

    WebSettingsBackend backend_;
    SettingsStore settings_;
    VirtualClock clock_;
    ImageModel images_;
    Lcd lcd_;
    PageWallClock wall_clock_;
    std::function<int()> coin_;
    WebSound sound_;
    Engine engine_;
    KeyBindings keys_;
    InputDispatch dispatch_;
    ConfigText config_ = no_config_text();
    GameSurface surface_;
    WebPictureLoader pictures_;
    std::map<int, Button> touches_;
    std::vector<Rect> dirty_;
    PlayTicks play_ticks_;
    int zoom_ = settings::zoom_default;
    FullscreenScale fullscreen_scale_ = FullscreenScale::as_laid_out;
    PicturePtr game_menu_picture_;
    std::int64_t stood_still_ms_ = 0;
    std::optional<std::int64_t> standing_since_ms_;
};

// The page's one handheld, for the exports of every concern (made by hh_new in exports.cpp).
WebHandheld& page_handheld();

}  // namespace zuzazizo
