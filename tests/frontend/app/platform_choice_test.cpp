// The platform the program asks Qt for: X11 in a Wayland session that offers XWayland, unless
// the user chose one.
#include "frontend/app/platform_choice.h"

#include <gtest/gtest.h>

namespace zuzazizo {
namespace {

TEST(PlatformChoice, XWaylandOnlyWhenBothDisplaysAreThereAndTheUserChoseNothing) {
    const struct {
        const char* qt_qpa_platform;
        const char* display;
        const char* wayland_display;
        std::optional<std::string_view> chosen;
    } cases[] = {
        {"", ":0", "wayland-0", "xcb"},        // a Wayland desktop with XWayland
        {"wayland", ":0", "wayland-0", {}},    // the user's choice wins
        {"offscreen", ":0", "wayland-0", {}},  // so do tests
        {"", "", "wayland-0", {}},             // no XWayland: Qt's own choice
        {"", ":0", "", {}},                    // an X11 desktop: Qt takes X11 anyway
        {"", "", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.qt_qpa_platform) + "|" + c.display + "|" + c.wayland_display);
        EXPECT_EQ(preferred_platform(c.qt_qpa_platform, c.display, c.wayland_display), c.chosen);
    }
}

}  // namespace
}  // namespace zuzazizo
