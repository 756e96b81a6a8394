#include "core/engine/timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/engine/virtual_clock.h"
#include "support/handheld.h"

namespace zuzazizo {
namespace {

struct TimerRules : ::testing::Test {
    VirtualClock clock;
    std::vector<std::int64_t> fired;
    Timer timer{clock, [this] { fired.push_back(clock.now_ms()); }};
};

TEST_F(TimerRules, EnabledTimerFiresOncePerPeriodUntilDisabled) {
    timer.set_interval(100);
    timer.enable();
    clock.advance(350);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{100, 200, 300}));
    timer.disable();
    clock.advance(1000);
    EXPECT_EQ(fired.size(), 3u);
}

TEST_F(TimerRules, EqualIntervalDoesNotRestartTheCount) {
    timer.set_interval(100);
    timer.enable();
    clock.advance(60);
    timer.set_interval(100);
    clock.advance(40);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{100}));
}

TEST_F(TimerRules, NewIntervalOnEnabledTimerRestartsFromNow) {
    timer.set_interval(100);
    timer.enable();
    clock.advance(60);
    timer.set_interval(50);
    clock.advance(120);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{110, 160}));
}

TEST_F(TimerRules, EnablingAnEnabledTimerDoesNothing) {
    timer.set_interval(100);
    timer.enable();
    clock.advance(60);
    timer.enable();
    clock.advance(40);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{100}));
}

TEST_F(TimerRules, IntervalSetWhileDisabledCountsFromEnable) {
    timer.set_interval(300);
    clock.advance(500);
    timer.enable();
    clock.advance(299);
    EXPECT_TRUE(fired.empty());
    clock.advance(1);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{800}));
}

TEST(VirtualClockOrder, HandlerThatSetsItsOwnIntervalSetsTheWaitToItsNextEvent) {
    VirtualClock clock;
    std::vector<std::int64_t> fired;
    const std::vector<int> waits = {140, 375, 500, 500};
    std::size_t step = 0;
    Timer* self = nullptr;
    Timer sequence(clock, [&] {
        fired.push_back(clock.now_ms());
        if (step < waits.size())
            self->set_interval(waits[step++]);
        else
            self->disable();
    });
    self = &sequence;
    sequence.set_interval(1);
    sequence.enable();
    clock.advance(10000);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{1, 141, 516, 1016, 1516}));
}

TEST(VirtualClockOrder, SimultaneousEventsFireInSchedulingOrderAndHandlersMayStopOthers) {
    VirtualClock clock;
    std::vector<char> order;
    Timer* b_ptr = nullptr;
    Timer a(clock, [&] {
        order.push_back('a');
        b_ptr->disable();
    });
    Timer b(clock, [&] { order.push_back('b'); });
    b_ptr = &b;
    a.set_interval(100);
    b.set_interval(100);
    a.enable();
    b.enable();
    clock.advance(100);
    EXPECT_EQ(order, (std::vector<char>{'a'}));
}

// A handler runs from its timer's slot in the clock. One that creates timers grows the clock's
// slots while it still runs, and must go on with its own captured state intact. The handler
// captures a single pointer, so the callback keeps it in place inside the slot, where a moved
// slot would leave it dangling.
TEST(VirtualClockGrowth, AHandlerMayCreateManyTimersAndGoOnRunning) {
    struct Witness {
        VirtualClock* clock;
        std::vector<TimerHost::Handle> created;
        int finished_runs = 0;
    };
    VirtualClock clock;
    Witness witness{&clock, {}};
    constexpr int timers_per_run = 200;
    const TimerHost::Handle grower = clock.create(
        [w = &witness] {
            for (int i = 0; i < timers_per_run; ++i)
                w->created.push_back(w->clock->create([] {}, TimerPrecision::exact));
            ++w->finished_runs;
        },
        TimerPrecision::exact);
    clock.start(grower, 10);
    clock.advance(20);
    EXPECT_EQ(witness.finished_runs, 2);
    ASSERT_EQ(witness.created.size(), 2u * timers_per_run);
    bool late_timer_fired = false;
    const TimerHost::Handle late =
        clock.create([&] { late_timer_fired = true; }, TimerPrecision::exact);
    clock.stop(grower);
    clock.start(late, 5);
    clock.advance(5);
    EXPECT_TRUE(late_timer_fired);
}

// The precision a timer asks for only changes how the real host wakes for it: on simulated time
// an ordinary timer keeps every rule, and the once-a-second displays are the only ordinary ones.
TEST(TimerPrecision, OrdinaryTimersKeepTheRulesAndOnlyTheSlowDisplaysUseThem) {
    VirtualClock clock;
    std::vector<std::int64_t> fired;
    Timer display(
        clock, [&] { fired.push_back(clock.now_ms()); }, TimerPrecision::ordinary);
    display.enable();            // interval 1: the first event as soon as possible
    display.set_interval(1000);  // restarts the count from now
    clock.advance(2500);
    display.set_interval(1000);  // unchanged: no restart
    clock.advance(600);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{1000, 2000, 3000}));

    testing::Handheld handheld;
    Engine& e = handheld.engine;
    for (const Timer* ordinary : {&e.Timer_Clock, &e.Timer_Date, &e.Timer_Startup}) {
        EXPECT_EQ(ordinary->precision(), TimerPrecision::ordinary);
    }
    for (const Timer* exact : {&e.Timer_Bonus, &e.Timer_Game, &e.Timer_Game_Over,
                               &e.Timer_Game_Reprise, &e.Timer_Game_Start, &e.Timer_Got}) {
        EXPECT_EQ(exact->precision(), TimerPrecision::exact);
    }
    // The request reaches the host, which is what picks the way of waking.
    int ordinary_slots = 0;
    for (TimerHost::Handle h = 0; h < 9; ++h) {
        ordinary_slots += handheld.clock.precision(h) == TimerPrecision::ordinary ? 1 : 0;
    }
    EXPECT_EQ(ordinary_slots, 3);
}

}  // namespace
}  // namespace zuzazizo
