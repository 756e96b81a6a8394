#include "frontend/app/timer_host_qt.h"

#include <algorithm>
#include <thread>

namespace zuzazizo {

namespace {

// How long before a deadline the event loop is woken; the rest is waited out on the GUI thread,
// so this, and up to a millisecond of rounding, is what a timer event may hold up the loop. It
// covers a late wake-up on a busy machine.
constexpr auto wake_early = std::chrono::microseconds(2500);

// The last stretch before a deadline is spun rather than slept: a sleep on a virtual machine now
// and then overshoots by a millisecond or more, a spin does not. Measured by bench/tick_period.
constexpr auto spin_before = std::chrono::microseconds(250);

void wait_until(std::chrono::steady_clock::time_point deadline) {
    std::this_thread::sleep_until(deadline - spin_before);
    while (std::chrono::steady_clock::now() < deadline) {
    }
}

}  // namespace

TimerHost::Handle QtTimerHost::create(Callback callback, TimerPrecision precision) {
    auto slot = std::make_unique<Slot>();
    slot->callback = std::move(callback);
    slot->precision = precision;
    slot->wake.setSingleShot(true);
    slot->wake.setTimerType(Qt::PreciseTimer);
    Slot* raw = slot.get();
    QObject::connect(&slot->wake, &QTimer::timeout, [this, raw] { fire(*raw); });
    slots_.push_back(std::move(slot));
    return static_cast<Handle>(slots_.size() - 1);
}

void QtTimerHost::start(Handle handle, int interval_ms) {
    Slot& slot = *slots_.at(static_cast<std::size_t>(handle));
    slot.interval = std::chrono::milliseconds(std::max(interval_ms, 1));
    slot.due = Clock::now() + slot.interval;
    slot.running = true;
    ++slot.generation;
    arm(slot);
}

void QtTimerHost::stop(Handle handle) {
    Slot& slot = *slots_.at(static_cast<std::size_t>(handle));
    slot.running = false;
    ++slot.generation;
    slot.wake.stop();
}

void QtTimerHost::arm(Slot& slot) {
    const auto until_due = slot.due - Clock::now();
    // An exact timer's wake-up is rounded down: waking early only lengthens its wait on the GUI
    // thread a little. An ordinary one is rounded up, so that it never runs before its time.
    const auto wait = slot.precision == TimerPrecision::exact
                          ? std::chrono::floor<std::chrono::milliseconds>(until_due - wake_early)
                          : std::chrono::ceil<std::chrono::milliseconds>(until_due);
    slot.wake.start(static_cast<int>(std::max<std::int64_t>(wait.count(), 0)));
}

void QtTimerHost::fire(Slot& slot) {
    if (!slot.running) return;
    if (slot.precision == TimerPrecision::exact) wait_until(slot.due);
    // The next event is booked a period after this one; a timer that fell more than a period
    // behind starts counting afresh instead of firing a burst to catch up.
    const Clock::time_point now = Clock::now();
    slot.due = std::max(slot.due + slot.interval, now + std::chrono::milliseconds(1));
    const std::uint64_t generation = slot.generation;
    slot.callback();
    // The handler may have restarted (new deadline already armed) or stopped its own timer.
    if (slot.running && slot.generation == generation) arm(slot);
}

}  // namespace zuzazizo
