// The local date and time, injected so that the clock modes can be tested on a fixed moment.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace zuzazizo {

struct LocalTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;
};

class WallClock {
  public:
    virtual ~WallClock() = default;
    virtual LocalTime now() const = 0;
};

// The computer's local time (standard library, so the core stays free of the GUI toolkit).
class SystemWallClock final : public WallClock {
  public:
    LocalTime now() const override;
};

class FixedWallClock final : public WallClock {
  public:
    explicit FixedWallClock(LocalTime time = {}) : time(time) {}
    LocalTime now() const override { return time; }
    LocalTime time;
};

// The local time from a given moment on, moving with another clock's elapsed milliseconds: a front
// end on simulated time shows the same time of day, and the same seconds ticking, on every run.
class RunningWallClock final : public WallClock {
  public:
    RunningWallClock(LocalTime start, std::function<std::int64_t()> elapsed_ms)
        : start_(start), elapsed_ms_(std::move(elapsed_ms)) {}
    LocalTime now() const override;

  private:
    LocalTime start_;
    std::function<std::int64_t()> elapsed_ms_;
};

}  // namespace zuzazizo
