// The seam between the firmware's timers and whatever delivers their events.
//
// In the program the host is QtTimerHost, which keeps its own deadlines on the GUI thread's event
// loop and wakes each exact timer a little early to meet them; in tests, benchmarks and the
// headless simulator it is the virtual clock, which fires due events in time order as the test
// advances it. A host knows nothing of the firmware's timer rules: it only starts a periodic
// event counting a full period from now, or stops it. Timer (timer.h) builds the rules on top.
#pragma once

#include <functional>

namespace zuzazizo {

// How closely a timer's events must keep their time. Keeping them to a fraction of a millisecond
// costs the real host a second wake-up per event, worth it for the play tick and the timed
// sequences; a once-a-second display only needs its events never to come early.
enum class TimerPrecision {
    exact,     // within a fraction of a millisecond of the due time
    ordinary,  // at or a little after the due time, with one wake-up per event
};

class TimerHost {
  public:
    using Callback = std::function<void()>;
    using Handle = int;

    virtual ~TimerHost() = default;

    virtual Handle create(Callback callback, TimerPrecision precision) = 0;
    // Starts (or restarts) periodic events: the first one interval_ms from now.
    virtual void start(Handle handle, int interval_ms) = 0;
    virtual void stop(Handle handle) = 0;
};

}  // namespace zuzazizo
