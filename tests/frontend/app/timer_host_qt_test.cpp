#include "frontend/app/timer_host_qt.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "core/engine/timer.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

// Only lower bounds and orders are checked: how close to its time an event comes is measured by
// the tick benchmark, not asserted here on a shared machine.
struct QtTimers : ::testing::Test {
    QtTimers() { ensure_qapp(); }
    void run_until(const std::function<bool()>& done, int limit_ms = 2000) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < limit_ms)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    double elapsed_ms() const { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

    QtTimerHost host;
    QElapsedTimer clock;
    std::vector<double> fired_ms;
};

// Rounded up to the millisecond, an ordinary wake-up is never ahead of its due time either.
TEST_F(QtTimers, EventsOfEitherPrecisionNeverComeEarlyAndStopWhenDisabled) {
    const struct {
        TimerPrecision precision;
        int interval_ms;
        std::size_t events;
    } cases[] = {{TimerPrecision::exact, 30, 4}, {TimerPrecision::ordinary, 40, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval_ms);
        fired_ms.clear();
        Timer timer(
            host, [&] { fired_ms.push_back(elapsed_ms()); }, c.precision);
        timer.set_interval(c.interval_ms);
        clock.start();
        timer.enable();
        run_until([&] { return fired_ms.size() >= c.events; });
        timer.disable();
        ASSERT_GE(fired_ms.size(), c.events);
        for (std::size_t i = 0; i < fired_ms.size(); ++i) {
            EXPECT_GE(fired_ms[i], c.interval_ms * static_cast<double>(i + 1) - 0.01) << i;
        }
        const std::size_t count = fired_ms.size();
        QTest::qWait(100);
        EXPECT_EQ(fired_ms.size(), count);
    }
}

TEST_F(QtTimers, AHandlerThatSetsItsIntervalSetsTheWaitToItsNextEvent) {
    Timer* self = nullptr;
    Timer sequence(host, [&] {
        fired_ms.push_back(elapsed_ms());
        if (fired_ms.size() == 1) self->set_interval(60);
        if (fired_ms.size() == 3) self->disable();
    });
    self = &sequence;
    sequence.set_interval(1);
    clock.start();
    sequence.enable();
    run_until([&] { return fired_ms.size() >= 3; });
    ASSERT_EQ(fired_ms.size(), 3u);
    EXPECT_GE(fired_ms[1] - fired_ms[0], 60.0 - 0.01);
    // Periods are booked from the due time, not from when an event ran: a late second event
    // shortens the gap to the third, but the third still never comes before its own due time.
    EXPECT_GE(fired_ms[2] - fired_ms[0], 120.0 - 0.01);
    QTest::qWait(100);
    EXPECT_EQ(fired_ms.size(), 3u);
}

}  // namespace
}  // namespace zuzazizo
