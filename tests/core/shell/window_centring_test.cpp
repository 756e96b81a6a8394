#include "core/shell/window_centring.h"

#include <gtest/gtest.h>

namespace zuzazizo {
namespace {

TEST(WindowCentring, HalfwayRoundedDownAndNeverBeforeTheScreensCorner) {
    const struct {
        ScreenArea screen;
        int width, height;
        WindowPlace expected;
    } cases[] = {
        {{0, 0, 1024, 768}, 448, 195, {288, 286}},
        {{0, 0, 1024, 768}, 449, 196, {287, 286}},  // odd room: rounded down, not to nearest
        {{0, 0, 1024, 768}, 1024, 768, {0, 0}},     // exactly the screen
        {{0, 0, 800, 600}, 1218, 754, {0, 0}},      // larger: the top-left corner stays in view
        {{0, 0, 800, 600}, 400, 754, {200, 0}},     // larger one way only
        {{1920, 0, 1280, 1024}, 460, 420, {2330, 302}},  // a second screen to the right
        {{-1280, -200, 1280, 1024}, 2000, 420, {-1280, 102}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(centred_on(c.screen, c.width, c.height), c.expected)
            << c.width << "x" << c.height << " on " << c.screen.width << "x" << c.screen.height
            << " at " << c.screen.left << "," << c.screen.top;
    }
}

}  // namespace
}  // namespace zuzazizo
