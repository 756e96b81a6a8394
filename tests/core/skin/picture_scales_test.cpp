// The names of a skin picture's larger drawings, which skingen writes and the front end reads.
#include "core/skin/picture_scales.h"

#include <gtest/gtest.h>

namespace zuzazizo {
namespace {

TEST(LargerFileName, SitsBesideThePictureWithTheFactorBeforeTheExtension) {
    const struct {
        const char* path;
        int factor;
        const char* larger;
    } cases[] = {
        {"a/b/im_background.png", 2, "a/b/im_background@2x.png"},
        {"a.b/name", 3, "a.b/name@3x"},  // a dot in a folder is no extension
        {"name.tar.png", 4, "name.tar@4x.png"},
    };
    for (const auto& c : cases) EXPECT_EQ(larger_file_name(c.path, c.factor), c.larger) << c.path;
}

// A manual page's larger drawing is a PNG whatever the page's own format.
TEST(ManualLargerPage, TakesThePngExtension) {
    EXPECT_EQ(manual_larger_page("/opt/z/Graphics/Manual/3.bmp"),
              "/opt/z/Graphics/Manual/3@2x.png");
    EXPECT_EQ(manual_larger_page("Manual.v2/8"), "Manual.v2/8@2x.png");
}

}  // namespace
}  // namespace zuzazizo
