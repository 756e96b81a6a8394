// The list of pictures to decode ahead of the layouts: the layouts' own files, in their order.
#include "core/skin/picture_requests.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/skin/skin_images.h"
#include "skin/fake_picture_loader.h"
#include "support/temp_dir.h"

namespace zuzazizo {
namespace {

namespace fs = std::filesystem;

class PictureRequests : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = testing::make_temp_dir("zz_requests_");
        ASSERT_FALSE(dir.empty());
        std::ofstream(dir / "Config.ini", std::ios::binary)
            << "[Common]\nSkinDir=Skin\\\n"
               "[Fullscreen]\nBackdropDir=Back\\\nBackdropFile=back.jpg\nLogoFile=logo.png\n"
               "[Manual]\nManualDir=Pages\\\n"
               "[Image2]\nFilename=second.png\n[Image1]\nFilename=first.bmp\n"
               "[Image3]\nFilename=absent.png\n[Image5]\nFilename=fifth.png\n";
        for (const char* file : {"Skin/first.bmp", "Skin/second.png", "Skin/fifth.png",
                                 "Back/back.jpg", "Back/logo.png", "Pages/2.bmp", "Pages/1.bmp"}) {
            files.add(path(file), 10, 10);
        }
    }
    void TearDown() override { fs::remove_all(dir); }

    // The layout names its files with '/' on every platform, so the expected names do too.
    std::string path(const std::string& relative) const {
        return dir.generic_string() + "/" + relative;
    }
    PictureRequest skin(int n, const std::string& file) const {
        return {path("Skin/" + file), ImageModel()[skin_image(n)].transparency};
    }

    fs::path dir;
    testing::FakePictureLoader files;
};

TEST_F(PictureRequests, ListTheFilesThatExistInTheLayoutsOrderAndDecodeNothing) {
    const std::vector<PictureRequest> windowed = pictures_to_load(dir.string(), false, files);
    const std::vector<PictureRequest> expected_windowed = {
        skin(1, "first.bmp"), skin(2, "second.png"), skin(5, "fifth.png")};
    EXPECT_EQ(windowed, expected_windowed)
        << "no backdrop in a window, no absent file, no manual page";
    EXPECT_EQ(files.load_count(), 0);

    const std::vector<PictureRequest> fullscreen = pictures_to_load(dir.string(), true, files);
    ASSERT_EQ(fullscreen.size(), expected_windowed.size() + 2);
    EXPECT_EQ(fullscreen[0].path, path("Back/back.jpg"));
    EXPECT_EQ(fullscreen[1].path, path("Back/logo.png"));
    EXPECT_EQ(std::vector(fullscreen.begin() + 2, fullscreen.end()), expected_windowed);
}

TEST_F(PictureRequests, WithoutConfigNothingIsListed) {
    fs::remove(dir / "Config.ini");
    files.add(path("Graphics/Manual/3.bmp"), 10, 10);
    EXPECT_TRUE(pictures_to_load(dir.string(), false, files).empty());
}

}  // namespace
}  // namespace zuzazizo
