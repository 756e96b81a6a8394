// The one rule of picture files that the desktop program and the web page both follow.
#include "core/skin/picture_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zuzazizo {
namespace {

struct ExtensionCase {
    std::string path;
    std::string reason;  // empty: readable
};

TEST(PictureFormats, TheExtensionAloneSaysWhetherAFileCanBeAPicture) {
    const std::vector<ExtensionCase> table = {
        {"Graphics/Skin/case.png", ""},
        {"Graphics/Skin/case.PNG", ""},
        {"a.bmp", ""},
        {"a.Jpg", ""},
        {"a.jpeg", ""},
        {"a.ico", ""},
        {"a.wmf",
         "its extension \"wmf\" has no decoder here; save the picture as PNG or BMP instead."},
        {"a.EMF",
         "its extension \"EMF\" has no decoder here; save the picture as PNG or BMP instead."},
        {"a.gif",
         "its extension \"gif\" has no decoder here (PNG, BMP, JPEG and ICO pictures can be "
         "read)."},
        {"Graphics.v2/noext",
         "its extension \"\" has no decoder here (PNG, BMP, JPEG and ICO pictures can be read)."},
    };
    for (const ExtensionCase& c : table) {
        EXPECT_EQ(unreadable_extension_reason(c.path), c.reason) << c.path;
    }
}

TEST(PictureFormats, DamagedFilesAreNamedByTheirFormat) {
    EXPECT_EQ(damaged_picture_reason(*picture_format_of("x.jpg"), "bad header"),
              "the file is damaged or is not a JPEG picture (bad header).");
    EXPECT_EQ(damaged_picture_reason(*picture_format_of("x.png"), "cut short"),
              "the file is damaged or is not a PNG picture (cut short).");
}

struct KeyCase {
    std::string path;
    Transparency transparency;
    bool keyed;
};

TEST(PictureFormats, OnlyBitmapsForKeyedImagesLoseTheirBottomLeftColour) {
    const std::vector<KeyCase> table = {
        {"a.bmp", Transparency::bottom_left_key, true},
        {"a.BMP", Transparency::bottom_left_key, true},
        {"a.bmp", Transparency::opaque, false},
        {"a.png", Transparency::bottom_left_key, false},
        {"a.jpg", Transparency::bottom_left_key, false},
        {"a.ico", Transparency::bottom_left_key, false},
        {"a.wmf", Transparency::bottom_left_key, false},
        {"bmp", Transparency::bottom_left_key, false},
    };
    for (const KeyCase& c : table) {
        EXPECT_EQ(keys_out_bottom_left(c.path, c.transparency), c.keyed) << c.path;
    }
}

}  // namespace
}  // namespace zuzazizo
