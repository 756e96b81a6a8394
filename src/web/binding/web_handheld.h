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

// Where the page puts Config.ini in the module's in-memory file system: the site's own folder,
// so that every relative name in it resolves as the page's URLs do.
inline constexpr const char* web_site_dir = "/site";

// The sound output the page starts with. The splash screen, which lets the player choose, is not
// on the page yet: a stored choice is honoured where the desktop program would skip the splash
// and use it, and otherwise the page takes its one real output.
enum class WebSoundChoice { page_output, none };
WebSoundChoice web_sound_choice(std::int32_t sound_mode, bool splash_screen);

class WebHandheld {
  public:
    WebHandheld();
    WebHandheld(const WebHandheld&) = delete;
    WebHandheld& operator=(const WebHandheld&) = delete;

    // Step 1: Config.ini's text (nothing: the file is missing) and the pictures it names.
    void set_config(const std::optional<std::string>& text);
    std::vector<PictureRequest> picture_requests() const;
    WebPictureLoader& pictures() { return pictures_; }

    // Step 2, the main window's creation: layout, key bindings, high scores. Errors go to the
    // page's message box. False when Config.ini is missing, after which the handheld never runs.
    bool create();
    // Step 3: the sound choice and the all-segments display.
    WebSoundChoice sound_choice() const;
    void power_on(WebSoundChoice choice);
    // The sound folder is broken: the message, and the settings put back as on the desktop.
    void sound_failed();

    // Time, in milliseconds since the handheld was made.
    std::optional<std::int64_t> next_due_ms() { return clock_.next_due_ms(); }
    void advance_to(std::int64_t now_ms);
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
    GameSurface surface_;
    WebPictureLoader pictures_;
    std::map<int, Button> touches_;
    std::vector<Rect> dirty_;
    PlayTicks play_ticks_;
    int zoom_ = settings::zoom_default;
};

// The page's one handheld, for the exports of every concern (made by hh_new in exports.cpp).
WebHandheld& page_handheld();

}  // namespace zuzazizo
