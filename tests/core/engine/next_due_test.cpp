// The next deadline of the virtual clock, which a host on real time sleeps until.
#include <gtest/gtest.h>

#include <optional>

#include "core/engine/timer.h"
#include "core/engine/virtual_clock.h"

namespace zuzazizo {
namespace {

struct NextDue : ::testing::Test {
    VirtualClock clock;
    int fast_events = 0;
    Timer fast{clock, [this] { ++fast_events; }};
    Timer slow{clock, [] {}};
};

TEST_F(NextDue, FollowsTheEarliestRunningTimerAndSkipsStoppedAndRestartedOnes) {
    EXPECT_EQ(clock.next_due_ms(), std::nullopt) << "no timer runs yet";
    fast.set_interval(30);
    slow.set_interval(1000);
    fast.enable();
    slow.enable();
    EXPECT_EQ(clock.next_due_ms(), 30);

    clock.advance(45);  // one event of the fast timer; its next booking counts from 30
    EXPECT_EQ(fast_events, 1);
    EXPECT_EQ(clock.next_due_ms(), 60);

    fast.set_interval(100);  // a new interval restarts the count from now (45)
    EXPECT_EQ(clock.next_due_ms(), 145) << "the cancelled booking at 60 must not be reported";

    fast.disable();
    EXPECT_EQ(clock.next_due_ms(), 1000) << "a stopped timer leaves only the slow one";
    slow.disable();
    EXPECT_EQ(clock.next_due_ms(), std::nullopt);
}

TEST_F(NextDue, AdvancingToTheReportedDeadlineFiresExactlyThatEvent) {
    fast.set_interval(30);
    fast.enable();
    for (int i = 1; i <= 5; ++i) {
        const std::optional<std::int64_t> due = clock.next_due_ms();
        ASSERT_TRUE(due.has_value());
        clock.advance(*due - clock.now_ms() - 1);
        EXPECT_EQ(fast_events, i - 1) << "nothing fires a millisecond early";
        clock.advance(1);
        EXPECT_EQ(fast_events, i);
    }
}

}  // namespace
}  // namespace zuzazizo
