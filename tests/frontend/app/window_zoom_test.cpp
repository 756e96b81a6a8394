// The zoom keys and the window's size on a bare window with a hand-made layout.
#include "frontend/app/window_zoom.h"

#include <gtest/gtest.h>

#include "frontend/common/key_codes_qt.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

struct WindowZoomTest : ::testing::Test {
    WindowZoomTest() {
        surface.client_width_px = 300;
        surface.client_height_px = 200;
        surface.game_width_px = 300;
        surface.game_height_px = 200;
    }
    // A key as the held-key rule hands it on, with or without Ctrl.
    static KeyStroke stroke(int qt_key, bool ctrl, bool repeat) {
        return KeyStroke{static_cast<KeyId>(qt_key), virtual_key_of_qt_key(qt_key), qt_key,
                         ctrl ? Qt::ControlModifier : Qt::NoModifier, repeat};
    }
    bool press(int qt_key, bool ctrl = true, bool repeat = false) {
        return zoom.key_press(stroke(qt_key, ctrl, repeat));
    }
    bool release(int qt_key) { return zoom.key_release(stroke(qt_key, true, false)); }

    QApplication& app = ensure_qapp();  // before the window
    QWidget window;
    MemorySettingsBackend backend;
    SettingsStore settings{backend};
    GameSurface surface;
    ImageModel images;
    int relayouts = 0;
    WindowZoom zoom{window, settings, surface, images, [this] {
                        ++relayouts;
                        zoom.apply();
                    }};
};

TEST_F(WindowZoomTest, StoredValuesAreReadWithinTheirRange) {
    const struct {
        const char* zoom;
        const char* scale;
        int zoom_read;
        FullscreenScale scale_read;
    } cases[] = {
        {"3", "2", 3, FullscreenScale::fit},
        {"9", "7", 1, FullscreenScale::as_laid_out},  // out of range: the default
        {"0", "-1", 1, FullscreenScale::as_laid_out},
        {"abc", "1", 1, FullscreenScale::whole_multiple},
        {"$3", "", 3, FullscreenScale::as_laid_out},  // the stored integers' hex form
    };
    for (const auto& c : cases) {
        backend.values = {{"Zoom", c.zoom}, {"FullscreenScale", c.scale}};
        zoom.load();
        EXPECT_EQ(zoom.zoom(), c.zoom_read) << c.zoom;
        EXPECT_EQ(zoom.fullscreen_scale(), c.scale_read) << c.scale;
    }
}

TEST_F(WindowZoomTest, CtrlKeysStepTheZoomAndSizeTheWindowAndTheirReleasesStayHere) {
    zoom.load();
    zoom.apply();
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(press(Qt::Key_Plus));
    EXPECT_TRUE(press(Qt::Key_Equal));
    EXPECT_EQ(zoom.zoom(), 3);
    EXPECT_EQ(window.size(), QSize(900, 600));
    EXPECT_EQ(backend.values["Zoom"], "3");
    EXPECT_TRUE(press(Qt::Key_Plus, true, true)) << "an auto-repeat is taken but does not step";
    EXPECT_EQ(zoom.zoom(), 3);
    EXPECT_TRUE(press(Qt::Key_Minus));
    EXPECT_EQ(zoom.zoom(), 2);
    EXPECT_TRUE(press(Qt::Key_0));
    EXPECT_EQ(zoom.zoom(), 1);
    EXPECT_EQ(window.size(), QSize(300, 200));

    EXPECT_TRUE(release(Qt::Key_Plus));
    EXPECT_FALSE(release(Qt::Key_Plus)) << "one release per held key";
    EXPECT_TRUE(release(Qt::Key_0));
    EXPECT_FALSE(press(Qt::Key_Plus, false)) << "without Ctrl the key is the handheld's";
    EXPECT_FALSE(press(Qt::Key_5));
    EXPECT_FALSE(release(Qt::Key_5));
}

TEST_F(WindowZoomTest, InFullscreenTheKeysChooseTheScaleAndTheWindowKeepsTheScreen) {
    surface.fullscreen_mode = true;
    surface.client_width_px = 1000;
    surface.client_height_px = 700;
    zoom.load();
    zoom.apply();
    EXPECT_TRUE(press(Qt::Key_Plus));
    EXPECT_EQ(zoom.fullscreen_scale(), FullscreenScale::whole_multiple);
    EXPECT_EQ(zoom.zoom(), 1);
    EXPECT_EQ(window.size(), QSize(1000, 700));
    EXPECT_EQ(backend.values["FullscreenScale"], "1");
    EXPECT_EQ(relayouts, 1);
    zoom.set_zoom(2);
    EXPECT_EQ(relayouts, 1) << "the windowed zoom is only stored while in fullscreen";
    EXPECT_EQ(backend.values["Zoom"], "2");
}

}  // namespace
}  // namespace zuzazizo
