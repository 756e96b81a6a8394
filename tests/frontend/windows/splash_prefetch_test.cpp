// The splash screen's pictures made ready ahead: who gets them, and when the start-up expects the
// splash screen at all.
#include "frontend/windows/splash_prefetch.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "frontend/windows/splash.h"
#include "support/idle_splash_host.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

TEST(SplashPrefetch, TheFirstShowingTakesThePicturesAheadAndTheyMatchADecodeInPlace) {
    ensure_qapp();
    const SplashImages in_place = decode_splash_images(1.0);
    ASSERT_FALSE(in_place.background.isNull());
    SplashPrefetch prefetch;
    {
        testing::IdleSplashHost host;
        MemorySettingsBackend backend;
        SettingsStore settings(backend);
        TSplashForm splash(host, settings,
                           &prefetch);  // shown by its creation: no output chosen yet
        ASSERT_TRUE(splash.isVisible());
        EXPECT_FALSE(prefetch.take()) << "the form has taken them";
        EXPECT_EQ(splash.im_background->pixmap().toImage(),
                  QPixmap::fromImage(in_place.background).toImage());
        EXPECT_EQ(splash.btn_play->pixmap().toImage(), QPixmap::fromImage(in_place.play).toImage());
    }
}

TEST(SplashPrefetch, AFormNotHandedThePrefetchDecodesItsOwnAndLeavesThePrefetchAlone) {
    ensure_qapp();
    SplashPrefetch prefetch;
    testing::IdleSplashHost host;
    MemorySettingsBackend backend;
    SettingsStore settings(backend);
    const TSplashForm splash(host, settings);
    ASSERT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.im_background->pixmap().isNull());
    EXPECT_TRUE(prefetch.take()) << "the pictures are still there for the form they were meant for";
}

}  // namespace
}  // namespace zuzazizo
