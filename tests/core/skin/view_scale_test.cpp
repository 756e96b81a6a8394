#include "core/skin/view_scale.h"

#include <gtest/gtest.h>

namespace zuzazizo {
namespace {

TEST(ViewScale, StoredValuesAreBoundedAndStepsStopAtTheEnds) {
    EXPECT_EQ(bounded_zoom(1), 1);
    EXPECT_EQ(bounded_zoom(4), 4);
    EXPECT_EQ(bounded_zoom(0), 1);
    EXPECT_EQ(bounded_zoom(5), 1);
    EXPECT_EQ(bounded_zoom(-3), 1);
    EXPECT_EQ(stepped_zoom(4, 1), 4);
    EXPECT_EQ(stepped_zoom(1, -1), 1);
    EXPECT_EQ(stepped_zoom(2, 1), 3);
    EXPECT_EQ(bounded_fullscreen_scale(2), FullscreenScale::fit);
    EXPECT_EQ(bounded_fullscreen_scale(3), FullscreenScale::as_laid_out);
    EXPECT_EQ(bounded_fullscreen_scale(-1), FullscreenScale::as_laid_out);
    EXPECT_EQ(stepped_fullscreen_scale(FullscreenScale::fit, 1), FullscreenScale::fit);
    EXPECT_EQ(stepped_fullscreen_scale(FullscreenScale::as_laid_out, 1),
              FullscreenScale::whole_multiple);
    EXPECT_EQ(stepped_fullscreen_scale(FullscreenScale::as_laid_out, -1),
              FullscreenScale::as_laid_out);
}

TEST(ViewScale, EveryWindowPixelOfAZoomedGamePixelMapsBackToIt) {
    const ViewScale view = windowed_view(3);
    int x = 0, y = 0;
    for (int w = 30; w < 33; ++w) {
        view.to_game(w, w, x, y);
        EXPECT_EQ(x, 10);
        EXPECT_EQ(y, 10);
    }
    view.to_game(33, 29, x, y);
    EXPECT_EQ(x, 11);
    EXPECT_EQ(y, 9);
    EXPECT_EQ(view.window_cover({10, 20, 5, 6}), (Rect{30, 60, 15, 18}));
    EXPECT_EQ(view.game_cover({31, 61, 13, 1}), (Rect{10, 20, 5, 1}));
}

TEST(ViewScale, FullscreenScalesCentreTheGameArea) {
    GameSurface surface;
    surface.screen_width_px = 1920;
    surface.screen_height_px = 1080;
    surface.game_width_px = 609;
    surface.game_height_px = 377;
    surface.game_offset_x_px = 655;
    surface.game_offset_y_px = 351;
    EXPECT_TRUE(fullscreen_view(FullscreenScale::as_laid_out, surface).identity());

    const ViewScale whole = fullscreen_view(FullscreenScale::whole_multiple, surface);
    EXPECT_EQ(whole.factor, 2.0);  // 3 times would be 1131 pixels high
    EXPECT_EQ(whole.window_left, (1920 - 1218) / 2);
    EXPECT_EQ(whole.window_top, (1080 - 754) / 2);
    int x = 0, y = 0;
    whole.to_game(whole.window_left, whole.window_top, x, y);
    EXPECT_EQ(x, 655);
    EXPECT_EQ(y, 351);

    const ViewScale fit = fullscreen_view(FullscreenScale::fit, surface);
    EXPECT_DOUBLE_EQ(fit.factor, 1080.0 / 377.0);
    EXPECT_EQ(fit.window_top, 0);
    EXPECT_LE(fit.window_x(655 + 609), 1920.0);
    // A screen smaller than twice the game keeps the layout's own place for whole multiples.
    surface.screen_width_px = 1024;
    surface.screen_height_px = 768;
    EXPECT_TRUE(fullscreen_view(FullscreenScale::whole_multiple, surface).identity());
    // Fitting shrinks a game area larger than the screen into it.
    surface.screen_width_px = 400;
    surface.screen_height_px = 300;
    const ViewScale shrunk = fullscreen_view(FullscreenScale::fit, surface);
    EXPECT_DOUBLE_EQ(shrunk.factor, 400.0 / 609.0);
    EXPECT_GE(shrunk.window_top, 0);
    EXPECT_EQ(shrunk.window_left, 0);
}

TEST(ViewScale, PictureFactorIsTheNextDrawingNotCoarserThanTheDevice) {
    EXPECT_EQ(picture_factor(1.0), 1);
    EXPECT_EQ(picture_factor(2.0), 2);
    EXPECT_EQ(picture_factor(1.9999999), 2);
    EXPECT_EQ(picture_factor(2.5), 3);
    EXPECT_EQ(picture_factor(8.0), 4);
    EXPECT_EQ(picture_factor(0.5), 1);
    EXPECT_TRUE(exact_factor(3.0, 3));
    EXPECT_FALSE(exact_factor(2.5, 3));
}

TEST(ViewScale, TheWindowsOwnItemsAreNotScaled) {
    EXPECT_TRUE(is_window_level(ImageId::im_backdrop));
    EXPECT_TRUE(is_window_level(ImageId::btn_game_menu_top));
    EXPECT_FALSE(is_window_level(ImageId::im_background));
    EXPECT_FALSE(is_window_level(ImageId::btn_game_a_top));
}

}  // namespace
}  // namespace zuzazizo
