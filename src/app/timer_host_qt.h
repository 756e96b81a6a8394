// The firmware's timers on the GUI event loop: one precise QTimer each.
//
// Qt's default coarse timers may be 5 % off, which would make a 310 ms play tick wander by 15 ms;
// precise timers keep each period within a millisecond.
#pragma once

#include <QObject>
#include <QTimer>
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
    std::vector<std::unique_ptr<QTimer>> timers_;
};

}  // namespace zuzazizo
