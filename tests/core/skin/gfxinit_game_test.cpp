#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/skin/gfxinit.h"
#include "core/skin/skin_images.h"
#include "skin/fake_picture_loader.h"

namespace zuzazizo {
namespace {

using enum ImageId;

constexpr std::string_view exe_dir = "/opt/zz";
constexpr std::uint32_t magenta = 0x00FF00FF;

std::string skin(std::string_view file) {
    return "/opt/zz/Graphics/Skin/" + std::string(file);
}

class GameLayoutTest : public ::testing::Test {
  protected:
    LayoutResult lay_out(const std::string& config_text) {
        return lay_out_game(IniFile::parse(config_text), exe_dir, surface, model, loader);
    }

    GameSurface surface{.screen_width_px = 1024, .screen_height_px = 768};
    ImageModel model;
    testing::FakePictureLoader loader;
};

TEST_F(GameLayoutTest, EmptyConfigInWindowedModeGivesTheDefaults) {
    ASSERT_TRUE(lay_out("").ok());
    EXPECT_EQ(surface.client_width_px, 609);
    EXPECT_EQ(surface.client_height_px, 377);
    EXPECT_EQ(surface.colour, magenta);
    EXPECT_EQ(surface.colour_key, magenta);
    EXPECT_TRUE(surface.colour_key_on);
    for (int n = 1; n <= skin_image_count; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(model[skin_image(n)].bounds, (Rect{0, 0, 0, 0}));
        EXPECT_EQ(model[skin_image(n)].picture, nullptr);
    }
    EXPECT_EQ(loader.load_count(), 0);
    EXPECT_FALSE(model[im_backdrop].visible);
    EXPECT_FALSE(model[btn_game_menu_top].visible);
    EXPECT_FALSE(model[btn_game_menu_background].visible);
    EXPECT_EQ(model[btn_game_menu_background].bounds, (Rect{0, 0, 36, 32}));
}

TEST_F(GameLayoutTest, ImagesTakeTheirSectionsInTableOrder) {
    loader.add(skin("case.bmp"), 609, 377);
    loader.add(skin("right.bmp"), 40, 40);
    ASSERT_TRUE(lay_out("[Image1]\nFilename=case.bmp\nWidth=609\nHeight=377\n"
                        "[Image13]\nFilename=right.bmp\nLeft=500\nTop=250\nWidth=40\nHeight=41\n")
                    .ok());
    EXPECT_EQ(model[im_background].bounds, (Rect{0, 0, 609, 377}));
    EXPECT_EQ(model[btn_right_top].bounds, (Rect{500, 250, 40, 41}));
    EXPECT_EQ(model[btn_right_top].picture->width_px(), 40);
    EXPECT_EQ(loader.load_count(), 2);
}

TEST_F(GameLayoutTest, PicturesAreDecodedWithTheTargetImagesTransparency) {
    loader.add(skin("a.bmp"), 5, 5);
    ASSERT_TRUE(lay_out("[Image4]\nFilename=a.bmp\n").ok());
    EXPECT_EQ(loader.transparency_of(skin("a.bmp")), Transparency::opaque);  // btn_game_a_top
    ASSERT_TRUE(lay_out("[Image3]\nFilename=a.bmp\n").ok());
    EXPECT_EQ(loader.transparency_of(skin("a.bmp")), Transparency::opaque);  // btn_game_a_down
    ASSERT_TRUE(lay_out("[Image54]\nFilename=a.bmp\n").ok());
    EXPECT_EQ(loader.transparency_of(skin("a.bmp")), Transparency::bottom_left_key);
    ASSERT_TRUE(lay_out("[Image9]\nFilename=a.bmp\n").ok());
    EXPECT_EQ(loader.transparency_of(skin("a.bmp")), Transparency::bottom_left_key);  // SET
}

TEST_F(GameLayoutTest, MissingFileGivesTheMarkerAndEmptyNamesKeepThePicture) {
    loader.add(skin("left.bmp"), 30, 30);
    ASSERT_TRUE(lay_out("[Image10]\nFilename=left.bmp\n"
                        "[Image12]\nFilename=gone.bmp\nLeft=520\nTop=300\nWidth=40\nHeight=40\n")
                    .ok());
    EXPECT_EQ(model[btn_right_down].picture, loader.marker());
    EXPECT_EQ(model[btn_right_down].bounds, (Rect{520, 300, 40, 40}));
    EXPECT_EQ(loader.loads_of(skin("gone.bmp")), 0);

    const PicturePtr left = model[btn_left_down].picture;
    ASSERT_TRUE(lay_out("[Image10]\nFilename=nil\nLeft=3\n[Image12]\nFilename=\n").ok());
    EXPECT_EQ(model[btn_left_down].picture, left);
    EXPECT_EQ(model[btn_left_down].bounds.left, 3);
    EXPECT_EQ(model[btn_right_down].picture, loader.marker());
}

TEST_F(GameLayoutTest, DirectoriesResolveUnderTheExecutableWithBackslashesAsSeparators) {
    loader.add("/opt/zz/My Skin/parts/hero.png", 8, 8);
    loader.add("/srv/art/bg.png", 8, 8);
    ASSERT_TRUE(
        lay_out("[Common]\nSkinDir=\"My Skin\\parts\"\n[Image54]\nFilename=hero.png\n").ok());
    EXPECT_NE(model[im_hero_1_1].picture, nullptr);
    ASSERT_TRUE(lay_out("[Common]\nSkinDir=/srv/art\n[Image1]\nFilename=bg.png\n").ok());
    EXPECT_NE(model[im_background].picture, nullptr);
}

TEST_F(GameLayoutTest, AutosizedDigitSourceKeepsItsPicturesSize) {
    loader.add(skin("n0.png"), 12, 20);
    ASSERT_TRUE(lay_out("[Image34]\nFilename=n0.png\nLeft=5\nTop=6\nWidth=99\nHeight=99\n").ok());
    EXPECT_EQ(model[im_panel_number_0].bounds, (Rect{5, 6, 12, 20}));
}

TEST_F(GameLayoutTest, DamagedPictureStopsTheLayoutAndLaterImagesKeepTheirState) {
    loader.add(skin("ok.bmp"), 4, 4);
    ASSERT_TRUE(lay_out("[Image3]\nFilename=ok.bmp\nLeft=1\n[Image5]\nFilename=ok.bmp\nLeft=2\n"
                        "[Image6]\nFilename=ok.bmp\nLeft=3\n")
                    .ok());
    const PicturePtr before5 = model[btn_game_b_down].picture;
    const PicturePtr before6 = model[btn_game_b_top].picture;

    loader.add_damaged(skin("bad.png"), "the file is damaged");
    const LayoutResult result = lay_out(
        "[Image3]\nFilename=ok.bmp\nLeft=11\n"
        "[Image5]\nFilename=bad.png\nLeft=12\n"
        "[Image6]\nFilename=ok.bmp\nLeft=13\n");
    EXPECT_EQ(result.status, LayoutStatus::failed);
    EXPECT_NE(result.message.find(skin("bad.png")), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("[Image5]"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("Config.ini"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("the file is damaged"), std::string::npos) << result.message;
    EXPECT_EQ(model[btn_game_a_down].bounds.left, 11);
    EXPECT_EQ(model[btn_game_b_down].picture, before5);
    EXPECT_EQ(model[btn_game_b_down].bounds.left, 2);
    EXPECT_EQ(model[btn_game_b_top].picture, before6);
    EXPECT_EQ(model[btn_game_b_top].bounds.left, 3);
}

TEST_F(GameLayoutTest, BadTranspColorStopsBeforeAnyImage) {
    ASSERT_TRUE(lay_out("[Image1]\nLeft=4\n").ok());
    const LayoutResult result = lay_out("[VideoMode]\nTranspColor=pink\n[Image1]\nLeft=9\n");
    EXPECT_EQ(result.status, LayoutStatus::failed);
    EXPECT_NE(result.message.find("TranspColor"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("\"pink\""), std::string::npos) << result.message;
    EXPECT_EQ(model[im_background].bounds.left, 4);
}

TEST_F(GameLayoutTest, TranspColorIsBothColourAndKey) {
    ASSERT_TRUE(lay_out("[VideoMode]\ntranspcolor=$00123456\n").ok());
    EXPECT_EQ(surface.colour, 0x00123456u);
    EXPECT_EQ(surface.colour_key, 0x00123456u);
    EXPECT_TRUE(surface.colour_key_on);
}

TEST_F(GameLayoutTest, ImagesAtTheEndOfTheIntRangeStayUsable) {
    std::vector<Rect> repainted;
    model.set_observer([&](const Rect& area) { repainted.push_back(area); });
    ASSERT_TRUE(
        lay_out("[Image4]\nLeft=2147483600\nTop=-2147483648\nWidth=609\nHeight=377\n").ok());
    EXPECT_EQ(model[btn_game_a_top].bounds, (Rect{2147483600, -2147483647 - 1, 609, 377}));
    for (const Rect& area : repainted) EXPECT_FALSE(area.empty());
    EXPECT_EQ(model.hit_test(2147483646, -2147483647), btn_game_a_top);
    EXPECT_EQ(model.hit_test(0, 0), std::nullopt);
}

}  // namespace
}  // namespace zuzazizo
