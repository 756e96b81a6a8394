// The firmware's timers on the GUI event loop.
//
// Each timer keeps its own deadline in nanoseconds and books the next one a period after the last
// (so periods never drift). Qt's coarse timers may be 5 % off and even its precise ones wake only
// to the millisecond, later still when the machine is busy, so an exact timer is woken a little
// before each deadline by a Qt timer and waits out the last stretch on the GUI thread: a sleep,
// then a short spin. That way a 310 ms play tick comes within a fraction of a millisecond of its
// time, at the price of two wake-ups per event. An ordinary timer is woken once, by a Qt timer set
// to the first whole millisecond at or after its deadline, and runs as soon as it wakes.
#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/engine/timer_host.h"

namespace zuzazizo {

class QtTimerHost final : public TimerHost {
  public:
    Handle create(Callback callback, TimerPrecision precision) override;
    void start(Handle handle, int interval_ms) override;
    void stop(Handle handle) override;

  private:
    using Clock = std::chrono::steady_clock;
    struct Slot {
        QTimer wake;
        Callback callback;
        TimerPrecision precision = TimerPrecision::exact;
        std::chrono::milliseconds interval{1};
        Clock::time_point due;
        std::uint64_t generation = 0;
        bool running = false;
    };

    void arm(Slot& slot);
    void fire(Slot& slot);

    std::vector<std::unique_ptr<Slot>> slots_;
};

}  // namespace zuzazizo
