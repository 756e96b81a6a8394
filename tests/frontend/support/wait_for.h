// Runs the event loop until a condition holds, for at most timeout_ms; says whether it came.
//
// Wrap it in EXPECT_TRUE or ASSERT_TRUE: a condition that never comes then fails the GoogleTest
// test. QTest's QTRY_ macros report to QTest's own log instead, and the test would pass.
#pragma once

#include <QTest>

namespace zuzazizo {

inline constexpr int default_wait_ms = 5000;

template <typename Done>
bool wait_for(Done done, int timeout_ms = default_wait_ms) {
    return QTest::qWaitFor(done, timeout_ms);
}

}  // namespace zuzazizo
