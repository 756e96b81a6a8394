#include "core/engine/wall_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/engine/engine.h"

namespace zuzazizo {
namespace {

struct Reading {
    LocalTime start;
    std::int64_t elapsed_ms;
    LocalTime expected;
};

bool same(const LocalTime& a, const LocalTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

TEST(RunningWallClock, MovesOnWithTheElapsedTimeAcrossEveryBoundary) {
    const std::vector<Reading> table = {
        {{2026, 12, 9, 10, 30, 0}, 0, {2026, 12, 9, 10, 30, 0}},
        {{2026, 12, 9, 10, 30, 0}, 999, {2026, 12, 9, 10, 30, 0}},
        {{2026, 12, 9, 10, 30, 0}, 1000, {2026, 12, 9, 10, 30, 1}},
        {{2026, 12, 9, 10, 59, 59}, 1500, {2026, 12, 9, 11, 0, 0}},
        {{2026, 12, 31, 23, 59, 58}, 2000, {2027, 1, 1, 0, 0, 0}},
        {{2024, 2, 28, 23, 59, 59}, 1000, {2024, 2, 29, 0, 0, 0}},
        {{2100, 2, 28, 23, 59, 59}, 1000, {2100, 3, 1, 0, 0, 0}},
        {{2000, 2, 28, 12, 0, 0}, 86'400'000, {2000, 2, 29, 12, 0, 0}},
        {{1999, 12, 31, 0, 0, 0}, 366LL * 86'400'000, {2000, 12, 31, 0, 0, 0}},
    };
    for (const Reading& r : table) {
        const RunningWallClock clock(r.start, [&r] { return r.elapsed_ms; });
        const LocalTime t = clock.now();
        EXPECT_TRUE(same(t, r.expected))
            << r.elapsed_ms << " ms after " << r.start.year << "-" << r.start.month << "-"
            << r.start.day << " gave " << t.year << "-" << t.month << "-" << t.day << " " << t.hour
            << ":" << t.minute << ":" << t.second;
    }
}

TEST(SeededCoin, ThrowsTheSameSequenceForTheSameSeedAndBothSidesOften) {
    auto a = seeded_coin(7);
    auto b = seeded_coin(7);
    auto c = seeded_coin(8);
    int heads = 0;
    int differ = 0;
    for (int i = 0; i < 1000; ++i) {
        const int x = a();
        EXPECT_EQ(x, b());
        differ += x != c() ? 1 : 0;
        heads += x;
    }
    EXPECT_GT(heads, 400);
    EXPECT_LT(heads, 600);
    EXPECT_GT(differ, 300) << "another seed throws another sequence";
}

}  // namespace
}  // namespace zuzazizo
