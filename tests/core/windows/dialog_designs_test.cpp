// The designs of the dialogs that both front ends build from: every control inside its window,
// none over another, and the manual's button pictures as designed.
#include <gtest/gtest.h>

#include "core/input/key_dialog_layout.h"
#include "core/shell/shell_documents.h"
#include "core/windows/about_texts.h"
#include "core/windows/manual_button_art.h"

namespace zuzazizo {
namespace {

bool inside(const Rect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(KeyDialogDesign, EveryControlLiesInsideTheDialogAndOverNoOther) {
    using namespace key_dialog;
    std::vector<Rect> controls = {la_main.bounds, la_controls.bounds, accept_bounds};
    for (const Label& label : button_labels) controls.push_back(label.bounds);
    for (const Rect& list : list_bounds) controls.push_back(list);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(inside(controls[i], client_width_px, client_height_px)) << i;
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(overlap(controls[i], controls[j])) << i << " and " << j;
    }
}

TEST(AboutDesign, ThePictureAndEveryRowLieInsideTheBox) {
    EXPECT_TRUE(inside(about::picture_bounds, about::client_width_px, about::client_height_px));
    const int rows = static_cast<int>(about::fact_rows.size()) + 2;  // and the two link rows
    for (int row = 0; row < rows; ++row) {
        const Rect value{about::value_left_px, about::row_top(row), about::value_width_px,
                         about::row_height_px};
        EXPECT_TRUE(inside(value, about::client_width_px, about::client_height_px)) << row;
        EXPECT_FALSE(overlap(value, about::picture_bounds)) << row;
    }
}

TEST(ShellDocuments, EachDocumentCommandOpensItsFileAndNoOtherCommandOpensOne) {
    EXPECT_EQ(document_of(MenuCommand::readme), "Readme.txt");
    EXPECT_EQ(document_of(MenuCommand::whatsnew), "Whatsnew.txt");
    EXPECT_EQ(document_of(MenuCommand::config), "Config.ini");
    for (const MenuCommand command : {MenuCommand::about, MenuCommand::manual, MenuCommand::keys,
                                      MenuCommand::exit, MenuCommand::separator})
        EXPECT_TRUE(document_of(command).empty());
}

std::uint32_t pixel(const std::vector<std::uint32_t>& pixels, int x, int y) {
    return pixels[static_cast<std::size_t>(y * manual_button_width_px + x)];
}

TEST(ManualButtonArt, RaisedWhenReleasedSunkenWhenPressedWithTheGlyphMovedDownRight) {
    constexpr std::uint32_t face = 0xFF0000FF, white = 0xFFFFFFFF;
    constexpr std::uint32_t light_outer = 0xFFC0C0FF, dark_outer = 0xFF000000;
    constexpr std::uint32_t light_inner = 0xFF8080FF, dark_inner = 0xFF0000C0;
    constexpr int right = manual_button_width_px - 1;
    for (const ManualGlyph glyph :
         {ManualGlyph::cross, ManualGlyph::arrow_left, ManualGlyph::arrow_right}) {
        const auto up = manual_button_pixels(glyph, false);
        const auto down = manual_button_pixels(glyph, true);
        ASSERT_EQ(up.size(), std::size_t{manual_button_width_px * manual_button_height_px});
        EXPECT_EQ(pixel(up, 3, 0), light_outer) << "top edge light";
        EXPECT_EQ(pixel(up, 3, manual_button_height_px - 1), dark_outer) << "bottom edge dark";
        EXPECT_EQ(pixel(down, 3, 0), dark_outer);
        EXPECT_EQ(pixel(down, 3, manual_button_height_px - 1), light_outer);
        EXPECT_EQ(pixel(up, 0, 5), light_outer) << "left edge light, two pixels deep";
        EXPECT_EQ(pixel(up, 1, 5), light_inner);
        EXPECT_EQ(pixel(up, right, 5), dark_outer) << "right edge dark, two pixels deep";
        EXPECT_EQ(pixel(up, right - 1, 5), dark_inner);
        EXPECT_EQ(pixel(down, 0, 5), dark_outer);
        EXPECT_EQ(pixel(down, right, 5), light_outer);
        int glyph_pixels = 0;
        for (int y = 2; y < manual_button_height_px - 3; ++y) {
            for (int x = 2; x < manual_button_width_px - 3; ++x) {
                const std::uint32_t released = pixel(up, x, y);
                EXPECT_TRUE(released == face || released == white) << x << "," << y;
                EXPECT_EQ(pixel(down, x + 1, y + 1), released) << x << "," << y;
                glyph_pixels += released == white ? 1 : 0;
            }
        }
        EXPECT_GT(glyph_pixels, 10) << "a white glyph on the face";
    }
}

// At twice the pixels the same design is drawn again: as large at two pixels to a point, the
// bevel as deep, and the glyphs finer than their coarse drawing enlarged.
TEST(ManualButtonArt, AtTwiceThePixelsIsTheSameDesignDrawnFiner) {
    constexpr int scale = manual_button_largest_scale, w = manual_button_width_px * scale,
                  h = manual_button_height_px * scale;
    constexpr std::uint32_t white = 0xFFFFFFFF;
    const auto fine_pixel = [](const std::vector<std::uint32_t>& pixels, int x, int y) {
        return pixels[static_cast<std::size_t>(y * w + x)];
    };
    for (const ManualGlyph glyph :
         {ManualGlyph::cross, ManualGlyph::arrow_left, ManualGlyph::arrow_right}) {
        for (const bool pressed : {false, true}) {
            const auto coarse = manual_button_pixels(glyph, pressed);
            const auto fine = manual_button_pixels(glyph, pressed, scale);
            ASSERT_EQ(fine.size(), std::size_t{w * h});
            int coarse_white = 0, fine_white = 0, blocks_split = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t near = pixel(coarse, x / scale, y / scale);
                    const bool bevel =
                        x < 2 * scale || y < 2 * scale || x >= w - 2 * scale || y >= h - 2 * scale;
                    if (bevel) {
                        EXPECT_EQ(fine_pixel(fine, x, y), near) << x << "," << y;
                    }
                    fine_white += fine_pixel(fine, x, y) == white ? 1 : 0;
                    if (x % scale == 0 && y % scale == 0) {
                        coarse_white += near == white ? 1 : 0;
                        const bool uniform =
                            fine_pixel(fine, x + 1, y) == fine_pixel(fine, x, y) &&
                            fine_pixel(fine, x, y + 1) == fine_pixel(fine, x, y) &&
                            fine_pixel(fine, x + 1, y + 1) == fine_pixel(fine, x, y);
                        blocks_split += uniform ? 0 : 1;
                    }
                }
            }
            // The glyph keeps its weight within a quarter, and is not its coarse drawing enlarged.
            EXPECT_NEAR(fine_white, coarse_white * scale * scale, coarse_white * scale * scale / 4);
            EXPECT_GT(blocks_split, 4) << "drawn anew, not enlarged";
        }
        // Pressed, the glyph moves one point down and one to the right.
        const auto up = manual_button_pixels(glyph, false, scale);
        const auto down = manual_button_pixels(glyph, true, scale);
        for (int y = 2 * scale; y < h - 3 * scale; ++y) {
            for (int x = 2 * scale; x < w - 3 * scale; ++x) {
                EXPECT_EQ(fine_pixel(down, x + scale, y + scale), fine_pixel(up, x, y));
            }
        }
    }
    EXPECT_EQ(manual_button_pixels(ManualGlyph::cross, false, 7),
              manual_button_pixels(ManualGlyph::cross, false, scale))
        << "a finer scale than drawn takes the finest drawing";
}

}  // namespace
}  // namespace zuzazizo
