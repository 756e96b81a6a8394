#include "app/timer_host_qt.h"

namespace zuzazizo {

TimerHost::Handle QtTimerHost::create(Callback callback) {
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout,
                     [callback = std::move(callback)] { callback(); });
    timers_.push_back(std::move(timer));
    return static_cast<Handle>(timers_.size() - 1);
}

void QtTimerHost::start(Handle handle, int interval_ms) {
    timers_.at(static_cast<std::size_t>(handle))->start(interval_ms);
}

void QtTimerHost::stop(Handle handle) {
    timers_.at(static_cast<std::size_t>(handle))->stop();
}

}  // namespace zuzazizo
