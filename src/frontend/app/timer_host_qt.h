// The firmware's timers on the GUI event loop.
//
// Each timer keeps its own deadline in nanoseconds and books the next one a period after the last
// (so periods never drift), and a Qt timer wakes the loop a little before each deadline; the last
// stretch is slept exactly. Qt's coarse timers may be 5 % off and even its precise ones wake only
// to the millisecond, later still when the machine is busy; this way a 310 ms play tick comes
// within a fraction of a millisecond of its time.
#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/timer_host.h"

namespace zuzazizo {

class QtTimerHost final : public TimerHost {
  public:
    Handle create(Callback callback) override;
    void start(Handle handle, int interval_ms) override;
    void stop(Handle handle) override;

  private:
    using Clock = std::chrono::steady_clock;
    struct Slot {
        QTimer wake;
        Callback callback;
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
