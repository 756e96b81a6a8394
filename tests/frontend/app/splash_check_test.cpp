// The mark of "Display splash screen at startup": what the popup shows of the store, and with
// the splash screen's box as the default when the store holds nothing.
#include "frontend/app/splash_check.h"

#include <gtest/gtest.h>

#include <QCheckBox>

#include "frontend/windows/splash.h"
#include "support/idle_splash_host.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

struct SplashCheckTest : ::testing::Test {
    QApplication& app = ensure_qapp();  // before the window
    QWidget window;
    MemorySettingsBackend backend;
    SettingsStore settings{backend};
    MenuCommands menu{window, {}, {}};
    SplashCheck check{settings, menu};
};

TEST_F(SplashCheckTest, ThePopupShowsTheStoreOrElseTheSplashScreensBox) {
    testing::IdleSplashHost host;
    TSplashForm splash(host, settings);
    splash.hide();
    struct Case {
        const char* stored;  // nullptr: nothing stored
        bool box;
        bool shown;
    };
    const Case cases[] = {{"0", true, false},    {"1", false, true},    {nullptr, false, false},
                          {nullptr, true, true}, {"abc", false, false}, {"$1", false, true}};
    check.set_splash(&splash);
    for (const Case& c : cases) {
        backend.values.erase("SplashScreen");
        if (c.stored) backend.values["SplashScreen"] = c.stored;
        splash.chb_splashscreen->setChecked(c.box);
        check.set(!c.shown);
        check.refresh();
        EXPECT_EQ(check.checked(), c.shown) << (c.stored ? c.stored : "none") << " " << c.box;
        EXPECT_EQ(menu.popup().item(MenuCommand::splashscreen)->isChecked(), c.shown);
    }
    check.set_splash(nullptr);
    backend.values.clear();
    check.set(false);
    check.refresh();
    EXPECT_TRUE(check.checked()) << "no splash screen and nothing stored: the setting's default";
}

TEST_F(SplashCheckTest, ItsItemInvertsTheMarkAndStoresIt) {
    check.set(true);
    check.toggle();
    EXPECT_FALSE(check.checked());
    EXPECT_EQ(backend.values["SplashScreen"], "0");
    check.toggle();
    EXPECT_TRUE(check.checked());
    EXPECT_EQ(backend.values["SplashScreen"], "1");
    EXPECT_TRUE(menu.checks().splashscreen);
    EXPECT_FALSE(menu.checks().fullscreen) << "the other mark is left alone";
}

}  // namespace
}  // namespace zuzazizo
