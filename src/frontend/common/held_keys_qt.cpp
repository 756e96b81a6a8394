#include "frontend/common/held_keys_qt.h"

#include <QKeyEvent>

#include "frontend/common/key_codes_qt.h"

namespace zuzazizo {

HeldKeys::HeldKeys(KeyHandler down, KeyHandler up, QObject* parent)
    : QObject(parent), down_(std::move(down)), up_(std::move(up)) {
    timer_.setSingleShot(true);
    timer_.setInterval(repeat_pair_window_ms);
    connect(&timer_, &QTimer::timeout, this, [this] { flush(); });
}

void HeldKeys::key_press(const QKeyEvent& event) {
    const std::uint16_t key = virtual_key_of(event);
    if (held_ && held_->key == key && held_->timestamp == event.timestamp()) {
        // The second half of an auto-repeat pair that Qt could not see whole: still held.
        held_.reset();
        timer_.stop();
    }
    flush();
    if (key != 0) down_(key);
}

void HeldKeys::key_release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return;
    flush();
    const std::uint16_t key = virtual_key_of(event);
    if (key == 0) return;
    held_ = HeldRelease{key, event.timestamp()};
    timer_.start();
}

void HeldKeys::flush() {
    if (!held_) return;
    const std::uint16_t key = held_->key;
    held_.reset();
    timer_.stop();
    up_(key);
}

}  // namespace zuzazizo
