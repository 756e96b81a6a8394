// The layouts as the program runs them: Config.ini read from a real directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/skin/gfxinit.h"
#include "skin/fake_picture_loader.h"
#include "support/temp_dir.h"

namespace zuzazizo {
namespace {

using enum ImageId;
namespace fs = std::filesystem;

class LayoutFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = testing::make_temp_dir("zz_gfxinit_");
        ASSERT_FALSE(dir.empty());
    }
    void TearDown() override { fs::remove_all(dir); }

    void write_config(const std::string& text) {
        std::ofstream(dir / "Config.ini", std::ios::binary) << text;
    }
    LayoutResult lay_out_game() { return Gfx_Init_Game(dir.string(), surface, model, loader); }

    // The layout names its files with '/' on every platform, so the expected names do too.
    fs::path dir;
    GameSurface surface{.screen_width_px = 1024, .screen_height_px = 768};
    ImageModel model;
    testing::FakePictureLoader loader;
};

TEST_F(LayoutFileTest, MissingConfigIsReportedAndTheGameMenuStillSet) {
    surface.fullscreen_mode = true;
    const LayoutResult result = lay_out_game();
    EXPECT_EQ(result.status, LayoutStatus::config_missing);
    EXPECT_EQ(result.message,
              "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_TRUE(model[btn_game_menu_top].visible);
    EXPECT_TRUE(model[btn_game_menu_background].visible);
    EXPECT_EQ(model[btn_game_menu_background].bounds, (Rect{0, 0, 36, 32}));
    EXPECT_EQ(surface.client_width_px, 0) << "nothing else is laid out";
}

TEST_F(LayoutFileTest, ConfigThatIsADirectoryIsAnErrorNotACrash) {
    fs::create_directory(dir / "Config.ini");
    const LayoutResult result = lay_out_game();
    EXPECT_EQ(result.status, LayoutStatus::failed);
    EXPECT_NE(result.message.find("Config.ini"), std::string::npos) << result.message;
}

TEST_F(LayoutFileTest, EmptyConfigFileIsValid) {
    write_config("");
    ASSERT_TRUE(lay_out_game().ok());
    EXPECT_EQ(surface.client_width_px, 609);
    EXPECT_EQ(surface.colour, 0x00FF00FFu);
}

TEST_F(LayoutFileTest, ReLayoutAfterAModeSwitchPicksUpAnEdit) {
    const std::string skin_dir = (dir / "Graphics/Skin/").generic_string();
    loader.add(skin_dir + "one.bmp", 10, 10);
    loader.add(skin_dir + "two.bmp", 20, 20);
    write_config("[Image1]\r\nFilename=one.bmp\r\nLeft=5\r\n");
    ASSERT_TRUE(lay_out_game().ok());
    EXPECT_EQ(model[im_background].picture->width_px(), 10);

    surface.fullscreen_mode = true;
    write_config("[Image1]\r\nFilename=two.bmp\r\nLeft=6\r\n[Fullscreen]\r\nGameOffsetX=100\r\n");
    ASSERT_TRUE(lay_out_game().ok());
    EXPECT_EQ(model[im_background].picture->width_px(), 20);
    EXPECT_EQ(model[im_background].bounds.left, 106);

    surface.fullscreen_mode = false;
    write_config("[Image1]\r\nLeft=7\r\n");
    ASSERT_TRUE(lay_out_game().ok());
    EXPECT_EQ(model[im_background].picture->width_px(), 20);
    EXPECT_EQ(model[im_background].bounds.left, 7);
}

// A front end without files (the web page) hands Config.ini over as text, or says why it has none.
TEST_F(LayoutFileTest, ConfigGivenAsTextLaysOutAsItsFileAndAMissingOneAsNoFile) {
    const std::string skin_dir = (dir / "Graphics/Skin/").generic_string();
    loader.add(skin_dir + "one.bmp", 10, 10);
    const std::string text = "[Main]\r\nWidth=300\r\n[Image1]\r\nFilename=one.bmp\r\nLeft=5\r\n";
    write_config(text);
    const ConfigText read = read_config_file(dir.string());
    EXPECT_EQ(read.status, LayoutStatus::ok);
    EXPECT_EQ(read.text, text);
    ASSERT_TRUE(lay_out_game().ok());

    GameSurface given_surface{.screen_width_px = 1024, .screen_height_px = 768};
    ImageModel given_model;
    ASSERT_TRUE(Gfx_Init_Game({LayoutStatus::ok, text, {}}, dir.string(), given_surface,
                              given_model, loader)
                    .ok());
    EXPECT_EQ(given_surface.client_width_px, surface.client_width_px);
    EXPECT_EQ(given_model[im_background].bounds, model[im_background].bounds);
    EXPECT_EQ(given_model[im_background].picture->width_px(), 10);

    fs::remove(dir / "Config.ini");
    const ConfigText none = read_config_file(dir.string());
    ImageModel menu_only;
    given_surface.fullscreen_mode = true;
    const LayoutResult result = Gfx_Init_Game(none, dir.string(), given_surface, menu_only, loader);
    EXPECT_EQ(result.status, LayoutStatus::config_missing);
    EXPECT_EQ(result.message, none.message);
    EXPECT_TRUE(menu_only[btn_game_menu_top].visible);
}

TEST_F(LayoutFileTest, ManualWithoutConfigTakesItsDefaults) {
    loader.add((dir / "Graphics/Manual/1.bmp").generic_string(), 390, 300);
    ManualSurface manual;
    ASSERT_TRUE(Gfx_Init_Manual(dir.string(), manual, loader).ok());
    EXPECT_EQ(manual.client_width_px, 390);
    EXPECT_EQ(manual.client_height_px, 300);
    EXPECT_EQ(manual.im_page_top, (Rect{0, 0, 390, 300}));
    EXPECT_EQ(manual.sh_page_top, (Rect{0, 0, 390, 300}));
    EXPECT_EQ(manual.page(1).picture->width_px(), 390);
    EXPECT_EQ(loader.transparency_of((dir / "Graphics/Manual/1.bmp").generic_string()),
              Transparency::opaque);
    for (int n = 2; n <= manual_page_count; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(manual.page(n).picture, loader.marker());
        EXPECT_EQ(manual.page(n).bounds, (Rect{0, 0, 390, 300}));
    }
}

TEST_F(LayoutFileTest, ManualSectionSetsSizeAndDirectory) {
    write_config("[Manual]\nManualDir=Pages\nManualHeight=200\nManualWidth=$100\n");
    for (int n = 1; n <= manual_page_count; ++n) {
        loader.add((dir / ("Pages/" + std::to_string(n) + ".bmp")).generic_string(), n, n);
    }
    ManualSurface manual;
    ASSERT_TRUE(Gfx_Init_Manual(dir.string(), manual, loader).ok());
    EXPECT_EQ(manual.client_width_px, 256);
    EXPECT_EQ(manual.client_height_px, 200);
    for (int n = 1; n <= manual_page_count; ++n) {
        EXPECT_EQ(manual.page(n).picture->width_px(), n);
    }
}

TEST_F(LayoutFileTest, DamagedManualPageStopsTheManualLayout) {
    write_config("[Manual]\nManualDir=Pages\n");
    loader.add((dir / "Pages/1.bmp").generic_string(), 1, 1);
    loader.add_damaged((dir / "Pages/2.bmp").generic_string(), "the file is empty");
    ManualSurface manual;
    const LayoutResult result = Gfx_Init_Manual(dir.string(), manual, loader);
    EXPECT_EQ(result.status, LayoutStatus::failed);
    EXPECT_NE(result.message.find("2.bmp"), std::string::npos) << result.message;
    EXPECT_NE(manual.page(1).picture, nullptr);
    EXPECT_EQ(manual.page(2).picture, nullptr);
    EXPECT_EQ(manual.page(3).picture, nullptr);
}

}  // namespace
}  // namespace zuzazizo
