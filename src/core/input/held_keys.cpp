#include "core/input/held_keys.h"

#include <algorithm>
#include <utility>

namespace zuzazizo {

HeldKeys::HeldKeys(TimerHost& host, DownHandler down, UpHandler up, int pair_window_ms)
    : host_(host),
      timer_(host.create([this] { settle(); }, TimerPrecision::ordinary)),
      down_(std::move(down)),
      up_(std::move(up)),
      pair_window_ms_(std::max(pair_window_ms, 0)) {}

HeldKeys::~HeldKeys() {
    host_.stop(timer_);
}

void HeldKeys::press(KeyId key, std::uint32_t timestamp_ms, bool flagged_repeat) {
    if (held_ && held_->key == key && held_->timestamp_ms == timestamp_ms) {
        // The second half of an auto-repeat pair that came unflagged: the key never went up.
        held_.reset();
        host_.stop(timer_);
        flagged_repeat = true;
    }
    settle();
    const bool repeat = flagged_repeat || is_down(key);
    set_down(key, true);
    if (down_) down_(key, repeat);
}

void HeldKeys::release(KeyId key, std::uint32_t timestamp_ms, bool flagged_repeat) {
    if (flagged_repeat) return;
    settle();
    set_down(key, false);
    // A release without a time (made by a program, not typed) can be no half of a pair.
    if (pair_window_ms_ == 0 || timestamp_ms == 0) {
        if (up_) up_(key);
        return;
    }
    held_ = HeldRelease{key, timestamp_ms};
    host_.start(timer_, pair_window_ms_);
}

void HeldKeys::settle() {
    if (!held_) return;
    const KeyId key = held_->key;
    held_.reset();
    host_.stop(timer_);
    if (up_) up_(key);
}

void HeldKeys::forget() {
    settle();
    down_keys_.clear();
}

bool HeldKeys::is_down(KeyId key) const {
    return std::find(down_keys_.begin(), down_keys_.end(), key) != down_keys_.end();
}

void HeldKeys::set_down(KeyId key, bool down) {
    const auto it = std::find(down_keys_.begin(), down_keys_.end(), key);
    if (down && it == down_keys_.end()) down_keys_.push_back(key);
    if (!down && it != down_keys_.end()) down_keys_.erase(it);
}

}  // namespace zuzazizo
