// Held keys as the firmware expects them: while a key is held, downs (the repeats marked as such),
// and one up when it is let go.
//
// Some platforms report a held key as release/press pairs. X11 does, and the toolkit flags a pair
// as auto-repeat only when it sees the press queued behind the release; under load many pairs
// come unflagged and would look like the key let go and pressed again. So a release that is not
// flagged may be held back for a short window: the press of a pair carries the very timestamp of
// its release, and when such a press follows, both are one held key. Any other key, or any other
// input the front end reports, settles the held-back release first, so the order of events is
// kept. Where the platform sends no such pairs the window is 0 and a release counts at once.
//
// One rule for every window that acts on key releases; the front end feeds it the key events of
// its toolkit and the timer host delivers the end of the window.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/engine/timer_host.h"

namespace zuzazizo {

// A physical key, in whatever numbering the front end's events carry.
using KeyId = std::uint32_t;

class HeldKeys {
  public:
    // `repeat` is true for every down of a key that was already down.
    using DownHandler = std::function<void(KeyId key, bool repeat)>;
    using UpHandler = std::function<void(KeyId key)>;

    HeldKeys(TimerHost& host, DownHandler down, UpHandler up, int pair_window_ms);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

    // `flagged_repeat`: the platform itself marked the event as part of an auto-repeat.
    // `timestamp_ms`: the platform's time of the event; 0 when it has none.
    void press(KeyId key, std::uint32_t timestamp_ms, bool flagged_repeat);
    void release(KeyId key, std::uint32_t timestamp_ms, bool flagged_repeat);
    // Other input came after the last release, so that release was real: deliver it now.
    void settle();
    // The window lost the keyboard: its keys are let go elsewhere, and a key pressed next is a
    // new press.
    void forget();

    bool is_down(KeyId key) const;
    int pair_window_ms() const { return pair_window_ms_; }

  private:
    struct HeldRelease {
        KeyId key;
        std::uint32_t timestamp_ms;
    };

    void set_down(KeyId key, bool down);

    TimerHost& host_;
    TimerHost::Handle timer_;
    DownHandler down_;
    UpHandler up_;
    int pair_window_ms_;
    std::vector<KeyId> down_keys_;
    std::optional<HeldRelease> held_;
};

}  // namespace zuzazizo
