// The start-up work held back until the first frame: run once, after the first of several
// windows paints, and not at all while none of them is shown.
#include "frontend/app/first_paint.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "support/qt_app.h"

namespace zuzazizo {
namespace {

constexpr int paint_timeout_ms = 2000;
constexpr int settle_ms = 50;

TEST(FirstPaint, RunsOnceAfterWhicheverWindowPaintsFirstAndNeverBefore) {
    ensure_qapp();
    QWidget first;
    QWidget second;
    int runs = 0;
    bool painted_when_run = false;
    after_first_paint({&first, &second}, [&] {
        ++runs;
        painted_when_run = second.isVisible();
    });
    QTest::qWait(settle_ms);
    EXPECT_EQ(runs, 0) << "no window has been shown";

    second.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, paint_timeout_ms));
    EXPECT_TRUE(painted_when_run);
    first.show();
    second.update();
    QTest::qWait(settle_ms);
    EXPECT_EQ(runs, 1);
}

TEST(FirstPaint, AWindowDeletedBeforeAnyPaintLeavesTheOthersWatched) {
    ensure_qapp();
    auto gone = std::make_unique<QWidget>();
    QWidget stays;
    int runs = 0;
    after_first_paint({gone.get(), &stays}, [&] { ++runs; });
    gone.reset();
    stays.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs == 1; }, paint_timeout_ms));
}

}  // namespace
}  // namespace zuzazizo
