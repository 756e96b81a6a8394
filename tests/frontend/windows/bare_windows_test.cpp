// The about box, key dialog and manual viewer as created at program start: hidden, with their
// captions and design sizes.
#include <gtest/gtest.h>

#include "support/qt_app.h"
#include "windows/about.h"
#include "windows/keys.h"
#include "windows/manual.h"

namespace zuzazizo {
namespace {

TEST(BareWindows, CreatedHiddenWithTheirCaptionsAndSizes) {
    ensure_qapp();
    const TAboutForm about;
    const TKeysForm keys;
    const TManualForm manual;
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(keys.isVisible());
    EXPECT_FALSE(manual.isVisible());
    EXPECT_EQ(about.windowTitle(), "About the author...");
    EXPECT_EQ(keys.windowTitle(), "Key settings");
    EXPECT_EQ(about.size(), QSize(397, 176));
    EXPECT_EQ(keys.size(), QSize(448, 195));
    EXPECT_EQ(manual.size(), QSize(390, 300));
    EXPECT_FALSE(keys.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(manual.windowFlags().testFlag(Qt::FramelessWindowHint));
}

}  // namespace
}  // namespace zuzazizo
