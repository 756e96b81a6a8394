// A timer of the handheld's window, with the four rules every timed sequence relies on:
//  1. an interval equal to the present one is a no-op; a different one on an enabled timer
//     restarts the count with the new period from now;
//  2. enabling a disabled timer starts a full period from now; enabling an enabled one, or
//     disabling a disabled one, does nothing;
//  3. events come once per period until the timer is disabled, so a handler that sets a new
//     interval sets the wait until its own next event;
//  4. an interval of 1 ms fires as soon as the event loop allows.
#pragma once

#include <functional>

#include "core/engine/timer_host.h"

namespace zuzazizo {

class Timer {
  public:
    Timer(TimerHost& host, std::function<void()> handler,
          TimerPrecision precision = TimerPrecision::exact);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void set_interval(int interval_ms);
    void set_enabled(bool enabled);
    void enable() { set_enabled(true); }
    void disable() { set_enabled(false); }

    int interval_ms() const { return interval_ms_; }
    bool enabled() const { return enabled_; }
    TimerPrecision precision() const { return precision_; }

  private:
    TimerHost& host_;
    TimerHost::Handle handle_;
    TimerPrecision precision_;
    int interval_ms_ = 1;  // as created on the window
    bool enabled_ = false;
};

}  // namespace zuzazizo
