// A timer host on simulated time, for tests, benchmarks and the headless simulator.
//
// advance(ms) fires every event that falls due within the step, in time order (events due at the
// same moment fire in the order they were scheduled). A handler may start, restart or stop any
// timer, its own included, and the change is honoured exactly as the window's timers would: the
// next event of a restarted timer counts from the moment of the handler's event.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <queue>
#include <vector>

#include "core/engine/timer_host.h"

namespace zuzazizo {

class VirtualClock final : public TimerHost {
  public:
    // Every timer runs exactly on simulated time, whatever precision it asked for; the request is
    // kept so that tests can see it.
    Handle create(Callback callback, TimerPrecision precision) override;
    void start(Handle handle, int interval_ms) override;
    void stop(Handle handle) override;

    void advance(std::int64_t ms);
    // Fires the next due event, whenever it is; false when no timer is running.
    bool step();
    // When the next event falls due, if any timer is running. A host that follows real time
    // (the web page) sleeps until then and advances the clock to the moment it wakes.
    std::optional<std::int64_t> next_due_ms();
    std::int64_t now_ms() const { return now_ms_; }
    std::uint64_t events_fired() const { return events_fired_; }
    TimerPrecision precision(Handle handle) const {
        return slots_.at(static_cast<std::size_t>(handle)).precision;
    }

  private:
    struct Slot {
        Callback callback;
        TimerPrecision precision = TimerPrecision::exact;
        int interval_ms = 0;
        std::uint64_t generation = 0;
        bool running = false;
    };
    struct Event {
        std::int64_t due_ms;
        std::uint64_t order;
        Handle handle;
        std::uint64_t generation;
        bool operator>(const Event& other) const {
            return due_ms != other.due_ms ? due_ms > other.due_ms : order > other.order;
        }
    };

    void schedule(Handle handle, std::int64_t due_ms);
    void drop_stale();
    void fire(const Event& event);

    // A deque, not a vector: a handler runs from its slot and may create timers, and a deque
    // grows without moving the slots it has.
    std::deque<Slot> slots_;
    std::priority_queue<Event, std::vector<Event>, std::greater<>> queue_;
    std::int64_t now_ms_ = 0;
    std::uint64_t order_ = 0;
    std::uint64_t events_fired_ = 0;
};

}  // namespace zuzazizo
