// The per-user settings: display mode, splash choice, sound driver, key bindings, high scores.
//
// Values are text. Integers are written in decimal and Booleans as "1" or "0"; a read gives the
// default when the value is absent or is not integer text, and a Boolean is true for any non-zero
// integer. A write that the backend cannot store is reported once through the failure handler and
// the program goes on with what it has in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/settings/settings_backend.h"

namespace zuzazizo::settings {

// Value names, shared by every reader and writer.
inline constexpr const char* fullscreen_mode = "FullscreenMode";
inline constexpr const char* splash_screen = "SplashScreen";
inline constexpr const char* sound_mode = "SoundMode";
inline constexpr const char* hiscore_1 = "HiScore1";
inline constexpr const char* hiscore_2 = "HiScore2";
std::string key_slot(int slot);  // "Key1" .. "Key6"
// How large the game area is drawn; see skin/view_scale.h for the ranges.
inline constexpr const char* zoom = "Zoom";
inline constexpr const char* fullscreen_scale = "FullscreenScale";

inline constexpr bool fullscreen_mode_default = true;
inline constexpr bool splash_screen_default = true;
inline constexpr std::int32_t sound_mode_default = -1;
inline constexpr std::int32_t zoom_default = 1;
inline constexpr std::int32_t fullscreen_scale_default = 0;

}  // namespace zuzazizo::settings

namespace zuzazizo {

class SettingsStore {
  public:
    using FailureHandler = std::function<void(const std::string& name)>;

    explicit SettingsStore(SettingsBackend& backend) : backend_(backend) {}

    std::int32_t read_integer(const std::string& name, std::int32_t fallback) const;
    bool read_bool(const std::string& name, bool fallback) const;
    void write_integer(const std::string& name, std::int32_t value);
    void write_bool(const std::string& name, bool value);

    // Called on the first failed write only, so a broken store does not flood the user.
    void set_failure_handler(FailureHandler handler) { on_failure_ = std::move(handler); }
    bool write_failed() const { return write_failed_; }

  private:
    void write_text(const std::string& name, const std::string& text);

    SettingsBackend& backend_;
    FailureHandler on_failure_;
    bool write_failed_ = false;
};

}  // namespace zuzazizo
