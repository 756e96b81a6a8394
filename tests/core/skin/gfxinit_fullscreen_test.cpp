#include <gtest/gtest.h>

#include <string>

#include "core/skin/gfxinit.h"
#include "core/skin/skin_images.h"
#include "skin/fake_picture_loader.h"

namespace zuzazizo {
namespace {

using enum ImageId;

constexpr std::string_view exe_dir = "/opt/zz";

std::string backdrops(std::string_view file) {
    return "/opt/zz/Graphics/Backdrops/" + std::string(file);
}

class FullscreenLayoutTest : public ::testing::Test {
  protected:
    LayoutResult lay_out(const std::string& config_text) {
        return lay_out_game(IniFile::parse(config_text), exe_dir, surface, model, loader);
    }
    LayoutResult lay_out_on(int width_px, int height_px, const std::string& config_text) {
        surface.screen_width_px = width_px;
        surface.screen_height_px = height_px;
        return lay_out(config_text);
    }

    GameSurface surface{.fullscreen_mode = true, .screen_width_px = 1024, .screen_height_px = 768};
    ImageModel model;
    testing::FakePictureLoader loader;
};

TEST_F(FullscreenLayoutTest, DefaultGameIsCentredAndTheWindowCoversTheScreen) {
    ASSERT_TRUE(lay_out("[Image1]\nLeft=10\nTop=20\nWidth=609\nHeight=377\n").ok());
    EXPECT_EQ(surface.game_offset_x_px, 207);
    EXPECT_EQ(surface.game_offset_y_px, 195);
    EXPECT_EQ(model[im_background].bounds, (Rect{217, 215, 609, 377}));
    EXPECT_EQ(surface.client_width_px, 1024);
    EXPECT_EQ(surface.client_height_px, 768);
    EXPECT_EQ(surface.colour, 0u);
    EXPECT_FALSE(surface.colour_key_on);
    EXPECT_TRUE(model[btn_game_menu_top].visible);
    EXPECT_TRUE(model[btn_game_menu_background].visible);
    EXPECT_EQ(model[btn_game_menu_background].bounds, (Rect{0, 0, 36, 32}));
    EXPECT_EQ(model[im_backdrop].bounds, (Rect{0, 0, 1024, 768}));
}

TEST_F(FullscreenLayoutTest, OnlyNonZeroIntegerOffsetsAreTakenLiterally) {
    struct Case {
        const char* text;
        int expected;
    };
    constexpr Case cases[] = {
        {"Center", 207}, {"0", 207}, {"1", 1}, {"$10", 16}, {"-30", -30}, {"12px", 207}, {"", 207},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(lay_out(std::string("[Fullscreen]\nGameOffsetX=") + c.text + "\n").ok());
        EXPECT_EQ(surface.game_offset_x_px, c.expected);
        EXPECT_EQ(surface.game_offset_y_px, 195);
    }
}

TEST_F(FullscreenLayoutTest, CentringTruncatesTowardZero) {
    ASSERT_TRUE(lay_out_on(604, 380, "").ok());
    EXPECT_EQ(surface.game_offset_x_px, -2);  // (604 - 609) / 2
    EXPECT_EQ(surface.game_offset_y_px, 1);   // (380 - 377) / 2
    ASSERT_TRUE(lay_out_on(1024, 768, "[Common]\nGameWidth=1031\nGameHeight=-3\n").ok());
    EXPECT_EQ(surface.game_offset_x_px, -3);
    EXPECT_EQ(surface.game_offset_y_px, 385);
}

TEST_F(FullscreenLayoutTest, LogoGoesToTheCornerLogoPositionNames) {
    loader.add(backdrops("logo.png"), 64, 32);
    struct Case {
        int position;
        Rect expected;
    };
    constexpr Case cases[] = {
        {0, {0, 0, 64, 32}},
        {1, {1856, 0, 64, 32}},
        {2, {0, 1048, 64, 32}},
        {3, {1856, 1048, 64, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        ASSERT_TRUE(lay_out_on(1920, 1080,
                               "[Fullscreen]\nLogoFile=logo.png\nLogoPosition=" +
                                   std::to_string(c.position) + "\n")
                        .ok());
        EXPECT_EQ(model[im_backdrop_logo].bounds, c.expected);
        EXPECT_TRUE(model[im_backdrop_logo].visible);
    }
}

TEST_F(FullscreenLayoutTest, UnknownLogoPositionLeavesTheLogoWhereItWas) {
    loader.add(backdrops("logo.png"), 64, 32);
    ASSERT_TRUE(lay_out("[Fullscreen]\nLogoFile=logo.png\nLogoPosition=7\n").ok());
    EXPECT_EQ(model[im_backdrop_logo].bounds, (Rect{0, 0, 64, 32}));
    ASSERT_TRUE(lay_out("[Fullscreen]\nLogoFile=logo.png\nLogoPosition=3\n").ok());
    ASSERT_TRUE(lay_out("[Fullscreen]\nLogoFile=logo.png\nLogoPosition=4\n").ok());
    EXPECT_EQ(model[im_backdrop_logo].bounds, (Rect{960, 736, 64, 32}));
}

TEST_F(FullscreenLayoutTest, DefaultLogoPositionIsTopRight) {
    loader.add(backdrops("logo.png"), 64, 32);
    ASSERT_TRUE(lay_out("[Fullscreen]\nLogoFile=logo.png\n").ok());
    EXPECT_EQ(model[im_backdrop_logo].bounds, (Rect{960, 0, 64, 32}));
}

TEST_F(FullscreenLayoutTest, OnlyTheLowByteOfBackdropStretchCounts) {
    loader.add(backdrops("sky.jpg"), 800, 600);
    struct Case {
        const char* stretch;
        DrawRule expected;
    };
    constexpr Case cases[] = {
        {"0", DrawRule::centred},     {"1", DrawRule::stretched},  {"256", DrawRule::centred},
        {"257", DrawRule::stretched}, {"-256", DrawRule::centred}, {"wide", DrawRule::centred},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stretch);
        ASSERT_TRUE(lay_out(std::string("[Fullscreen]\nBackdropFile=sky.jpg\nBackdropStretch=") +
                            c.stretch + "\n")
                        .ok());
        EXPECT_EQ(model[im_backdrop].draw_rule, c.expected);
        EXPECT_TRUE(model[im_backdrop].visible);
        EXPECT_EQ(model[im_backdrop].bounds, (Rect{0, 0, 1024, 768}));
    }
}

TEST_F(FullscreenLayoutTest, AbsentBackdropAndLogoKeepWhatTheyHad) {
    loader.add(backdrops("sky.jpg"), 800, 600);
    ASSERT_TRUE(lay_out("[Fullscreen]\nBackdropFile=sky.jpg\nBackdropStretch=1\n").ok());
    const PicturePtr sky = model[im_backdrop].picture;
    ASSERT_TRUE(lay_out("[Fullscreen]\nBackdropFile=gone.jpg\nLogoFile=gone.png\n").ok());
    EXPECT_EQ(model[im_backdrop].picture, sky);
    EXPECT_TRUE(model[im_backdrop].visible);
    EXPECT_EQ(model[im_backdrop].draw_rule, DrawRule::stretched);
    EXPECT_FALSE(model[im_backdrop_logo].visible);
    EXPECT_EQ(loader.load_count(), 1);
}

TEST_F(FullscreenLayoutTest, WindowedLayoutHidesBackdropAndGameMenu) {
    loader.add(backdrops("sky.jpg"), 800, 600);
    loader.add(backdrops("logo.png"), 64, 32);
    ASSERT_TRUE(lay_out("[Fullscreen]\nBackdropFile=sky.jpg\nLogoFile=logo.png\n").ok());
    surface.fullscreen_mode = false;
    ASSERT_TRUE(lay_out("[Fullscreen]\nBackdropFile=sky.jpg\nLogoFile=logo.png\n").ok());
    EXPECT_FALSE(model[im_backdrop].visible);
    EXPECT_FALSE(model[im_backdrop_logo].visible);
    EXPECT_FALSE(model[btn_game_menu_top].visible);
    EXPECT_EQ(surface.game_offset_x_px, 0);
    EXPECT_EQ(surface.client_width_px, 609);
    EXPECT_TRUE(surface.colour_key_on);
}

TEST_F(FullscreenLayoutTest, BadBgColorStopsTheLayoutWithLaterImagesUnchanged) {
    ASSERT_TRUE(lay_out("[Image1]\nLeft=4\nWidth=10\n").ok());
    const LayoutResult result = lay_out("[Fullscreen]\nBgColor=black\n[Image1]\nLeft=9\n");
    EXPECT_EQ(result.status, LayoutStatus::failed);
    EXPECT_NE(result.message.find("BgColor"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("/opt/zz/Config.ini"), std::string::npos) << result.message;
    EXPECT_EQ(model[im_background].bounds, (Rect{211, 195, 10, 0}));
    // The game menu is still usable.
    EXPECT_TRUE(model[btn_game_menu_top].visible);
}

TEST_F(FullscreenLayoutTest, HugeOffsetsWrapInsteadOfOverflowing) {
    ASSERT_TRUE(lay_out("[Fullscreen]\nGameOffsetX=2147483647\n[Image1]\nLeft=1\n").ok());
    EXPECT_EQ(model[im_background].bounds.left, -2147483647 - 1);
}

}  // namespace
}  // namespace zuzazizo
