// The seam between the firmware's timers and whatever delivers their events.
//
// In the program the host is a set of precise QTimers on the GUI thread; in tests, benchmarks and
// the headless simulator it is the virtual clock, which fires due events in time order as the test
// advances it. A host knows nothing of the firmware's timer rules: it only starts a periodic
// event counting a full period from now, or stops it. Timer (timer.h) builds the rules on top.
#pragma once

#include <functional>

namespace zuzazizo {

class TimerHost {
  public:
    using Callback = std::function<void()>;
    using Handle = int;

    virtual ~TimerHost() = default;

    virtual Handle create(Callback callback) = 0;
    // Starts (or restarts) periodic events: the first one interval_ms from now.
    virtual void start(Handle handle, int interval_ms) = 0;
    virtual void stop(Handle handle) = 0;
};

}  // namespace zuzazizo
