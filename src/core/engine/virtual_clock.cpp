#include "core/engine/virtual_clock.h"

#include <algorithm>

namespace zuzazizo {

TimerHost::Handle VirtualClock::create(Callback callback, TimerPrecision precision) {
    slots_.push_back(Slot{std::move(callback), precision});
    return static_cast<Handle>(slots_.size() - 1);
}

void VirtualClock::start(Handle handle, int interval_ms) {
    Slot& slot = slots_.at(static_cast<std::size_t>(handle));
    slot.interval_ms = std::max(interval_ms, 1);
    slot.running = true;
    ++slot.generation;
    schedule(handle, now_ms_ + slot.interval_ms);
}

void VirtualClock::stop(Handle handle) {
    Slot& slot = slots_.at(static_cast<std::size_t>(handle));
    slot.running = false;
    ++slot.generation;
}

void VirtualClock::schedule(Handle handle, std::int64_t due_ms) {
    queue_.push(
        Event{due_ms, order_++, handle, slots_[static_cast<std::size_t>(handle)].generation});
}

void VirtualClock::drop_stale() {
    while (!queue_.empty()) {
        const Event& top = queue_.top();
        if (slots_[static_cast<std::size_t>(top.handle)].generation == top.generation) return;
        queue_.pop();
    }
}

void VirtualClock::fire(const Event& event) {
    now_ms_ = event.due_ms;
    Slot& slot = slots_[static_cast<std::size_t>(event.handle)];
    // The next period is booked before the handler runs; a handler that restarts or stops its
    // own timer bumps the generation and so cancels this booking.
    schedule(event.handle, now_ms_ + slot.interval_ms);
    ++events_fired_;
    slot.callback();
}

bool VirtualClock::step() {
    drop_stale();
    if (queue_.empty()) return false;
    const Event event = queue_.top();
    queue_.pop();
    fire(event);
    return true;
}

std::optional<std::int64_t> VirtualClock::next_due_ms() {
    drop_stale();
    if (queue_.empty()) return std::nullopt;
    return queue_.top().due_ms;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t end_ms = now_ms_ + ms;
    for (;;) {
        drop_stale();
        if (queue_.empty() || queue_.top().due_ms > end_ms) break;
        const Event event = queue_.top();
        queue_.pop();
        fire(event);
    }
    now_ms_ = end_ms;
}

}  // namespace zuzazizo
