#include "core/engine/timer.h"

namespace zuzazizo {

Timer::Timer(TimerHost& host, std::function<void()> handler, TimerPrecision precision)
    : host_(host), handle_(host.create(std::move(handler), precision)), precision_(precision) {}

void Timer::set_interval(int interval_ms) {
    if (interval_ms == interval_ms_) return;
    interval_ms_ = interval_ms;
    if (enabled_) host_.start(handle_, interval_ms_);
}

void Timer::set_enabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) {
        host_.start(handle_, interval_ms_);
    } else {
        host_.stop(handle_);
    }
}

}  // namespace zuzazizo
