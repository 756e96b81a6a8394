#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/handheld.h"

namespace zuzazizo {
namespace {

using enum ImageId;
using testing::Handheld;

std::vector<ImageId> lit_images(const Handheld& h) {
    std::vector<ImageId> lit;
    for (std::size_t i = 0; i < image_count; ++i) {
        const auto id = static_cast<ImageId>(i);
        if (h.lit(id)) lit.push_back(id);
    }
    return lit;
}

TEST(SegmentTables, MapNumbersToTheNamedImages) {
    Handheld h;
    EXPECT_EQ(h.lcd.seg_digit_pos[1], im_panel_digit_pos_1);
    EXPECT_EQ(h.lcd.seg_digit_pos[5], im_panel_digit_pos_5);
    EXPECT_EQ(h.lcd.seg_panel_miss[3], im_panel_miss_3);
    EXPECT_EQ(h.lcd.seg_number_small[7], im_panel_number_small_7);
    EXPECT_EQ(h.lcd.seg_hero[2][4], im_hero_2_4);
    EXPECT_EQ(h.lcd.seg_hero[3][6], im_hero_3_6);
    EXPECT_FALSE(h.lcd.seg_hero[1][5].has_value());
    EXPECT_EQ(h.lcd.seg_item[3][1], im_item_3_1);
    EXPECT_EQ(h.lcd.seg_item_got[2], im_item_2_got);
    EXPECT_EQ(h.lcd.seg_item_miss[1], im_item_1_miss);
    EXPECT_EQ(h.lcd.seg_item_top[3][5], im_item_top_3_5);
    EXPECT_FALSE(h.lcd.seg_item_top[1][4].has_value());
}

TEST(ShowAll, OffRightAfterOnLeavesOnlyTheCaseAndEmptyVisibleDigitPlaces) {
    Handheld h;
    const auto at_rest = lit_images(h);
    h.lcd.Vid_Show_All(true);
    EXPECT_EQ(lit_images(h).size(), at_rest.size() + 12 + 5 + 3 + 14 + 18 + 3 + 3 + 13);
    h.lcd.Vid_Show_All(false);
    auto expected = at_rest;
    for (int i = 1; i <= 5; ++i) expected.push_back(h.lcd.seg_digit_pos[i]);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lit_images(h), expected);
    EXPECT_EQ(h.panel(), "____");
    EXPECT_EQ(h.small_place(), '_');
}

TEST(Hero, PosesSetBodyReadyBatAndSwungBat) {
    Handheld h;
    h.lcd.Vid_Show_Hero(2, 1);
    h.lcd.Vid_Show_Hero(2, 2);
    EXPECT_TRUE(h.lit(im_hero_2_1));
    EXPECT_FALSE(h.lit(im_hero_2_2));
    EXPECT_TRUE(h.lit(im_hero_2_3));
    const auto before = lit_images(h);
    h.lcd.Vid_Show_Hero(2, 3);
    h.lcd.Vid_Show_Hero(0, 1);
    h.lcd.Vid_Show_Hero(4, 1);
    EXPECT_EQ(lit_images(h), before);
    h.lcd.Vid_Show_Hero(2, 0);
    EXPECT_FALSE(h.lit(im_hero_2_1) || h.lit(im_hero_2_3));
}

TEST(Hero, ShowAllHeroAlsoCoversBallAtBatAndBonusFramesWhichShowHeroNeverTouches) {
    Handheld h;
    h.lcd.Vid_Show_All_Hero(true);
    h.lcd.Vid_Show_Hero(1, 0);
    h.lcd.Vid_Show_Hero(3, 0);
    EXPECT_TRUE(h.lit(im_hero_1_4));
    EXPECT_TRUE(h.lit(im_hero_3_5));
    h.lcd.Vid_Show_All_Hero(false);
    EXPECT_FALSE(h.lit(im_hero_1_4) || h.lit(im_hero_3_5) || h.lit(im_hero_3_6));
}

TEST(TopFrames, EachFrameLightsOneGroupOnly) {
    Handheld h;
    const std::vector<std::vector<ImageId>> frames = {
        {},
        {im_item_top_1_1, im_item_top_1_2},
        {im_item_top_1_1, im_item_top_1_3},
        {im_item_top_2_1, im_item_top_2_2},
        {im_item_top_2_1, im_item_top_2_3},
        {im_item_top_2_1, im_item_top_2_4},
        {im_item_top_2_1, im_item_top_2_5},
        {im_item_top_3_1},
        {im_item_top_3_2, im_item_top_3_3},
        {im_item_top_3_2, im_item_top_3_4},
        {im_item_top_3_2, im_item_top_3_5},
    };
    for (int frame = 0; frame <= 10; ++frame) {
        h.lcd.Vid_Show_All_Item_Top(true);
        h.lcd.Vid_Show_Item_Top(frame);
        std::vector<ImageId> lit;
        for (ImageId id : lit_images(h)) {
            if (id >= im_item_top_1_1 && id <= im_item_top_3_5) lit.push_back(id);
        }
        EXPECT_EQ(lit, frames[static_cast<std::size_t>(frame)]) << "frame " << frame;
    }
    h.lcd.Vid_Show_Item_Top(4);
    const auto before = lit_images(h);
    h.lcd.Vid_Show_Item_Top(11);
    h.lcd.Vid_Show_Item_Top(-1);
    EXPECT_EQ(lit_images(h), before);
}

TEST(NumberPanel, RightAlignsWithoutLeadingZeros) {
    Handheld h;
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "___0"},     {9, "___9"},     {10, "__10"},   {70, "__70"},
        {999, "_999"},   {1000, "1000"},  {1200, "1200"}, {8888, "8888"},
        {10000, "___0"}, {12340, "2340"}, {-50, "___0"},  {INT32_MIN, "___0"},
    };
    for (const auto& [value, text] : cases) {
        h.lcd.Vid_Show_Panel_Score(value, true);
        EXPECT_EQ(h.panel(), text) << value;
    }
}

TEST(NumberPanel, ShowFalseBlanksAllFivePlacesAndAScoreClearsTheSmallDigit) {
    Handheld h;
    h.engine.set_mode(mode_chrono);
    EXPECT_EQ(h.small_place(), '0');
    h.lcd.Vid_Show_Panel_Score(70, true);
    EXPECT_EQ(h.small_place(), '_');
    h.lcd.Vid_Show_Panel_Score(70, false);
    EXPECT_EQ(h.panel(), "____");
}

TEST(NumberPanel, MissMarksLightTheFirstCount) {
    Handheld h;
    h.lcd.Vid_Show_Panel_Miss(3);
    h.lcd.Vid_Show_Panel_Miss(2);
    EXPECT_TRUE(h.lit(im_panel_miss_1) && h.lit(im_panel_miss_2));
    EXPECT_FALSE(h.lit(im_panel_miss_3));
    h.lcd.Vid_Show_Panel_Miss(-1);
    EXPECT_FALSE(h.lit(im_panel_miss_1));
    h.lcd.Vid_Show_Panel_Miss(7);
    EXPECT_TRUE(h.lit(im_panel_miss_3));
}

TEST(ChangeReports, OnlyVisibleChangesAreReportedWithTheirRectangles) {
    Handheld h;
    std::vector<Rect> reported;
    h.images.set_observer([&](const Rect& r) { reported.push_back(r); });
    h.images.set_bounds(im_hero_1_1, {10, 20, 30, 40});
    EXPECT_TRUE(reported.empty()) << "a hidden image moved: nothing to repaint";
    h.images.show(im_hero_1_1);
    h.images.show(im_hero_1_1);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], (Rect{10, 20, 30, 40}));
    h.images.set_left(im_hero_1_1, 15);
    EXPECT_EQ(reported.back(), (Rect{10, 20, 35, 40})) << "old and new area together";
    h.images.hide(im_hero_1_1);
    EXPECT_EQ(reported.size(), 3u);
}

TEST(ChangeReports, HitTestFindsTheTopmostVisibleImageThatTakesTheMouse) {
    Handheld h;
    h.images.set_bounds(im_background, {0, 0, 600, 300});
    h.images.set_bounds(btn_left_top, {100, 100, 50, 50});
    h.images.set_bounds(im_hero_1_1, {100, 100, 50, 50});  // a segment does not take the mouse
    h.images.show(im_hero_1_1);
    EXPECT_EQ(h.images.hit_test(120, 120), btn_left_top);
    EXPECT_EQ(h.images.hit_test(10, 10), im_background);
    EXPECT_EQ(h.images.hit_test(700, 10), std::nullopt);
}

TEST(MouseSurfaces, OnlyTheCaseScreenLightAndSetDragAndTheMenuButtonSitsOnTop) {
    Handheld h;
    std::vector<ImageId> dragging;
    for (std::size_t i = 0; i < image_count; ++i) {
        const auto id = static_cast<ImageId>(i);
        if (is_drag_surface(id)) dragging.push_back(id);
    }
    EXPECT_EQ(dragging, (std::vector<ImageId>{im_background, btn_set_top, im_background_light,
                                              im_background_screen_top}));
    for (ImageId id : dragging) EXPECT_TRUE(h.images[id].receives_mouse);
    // The closed game menu: the button over its picture, both at the corner, both 36 by 32.
    EXPECT_EQ(h.images[btn_game_menu_top].bounds, (Rect{0, 0, 36, 32}));
    EXPECT_EQ(h.images[btn_game_menu_background].bounds, (Rect{0, 0, 36, 32}));
    h.images.set_bounds(im_background, {0, 0, 600, 300});
    h.images.show(btn_game_menu_top);
    EXPECT_EQ(h.images.hit_test(35, 31), btn_game_menu_top);
    EXPECT_EQ(h.images.hit_test(36, 31), im_background);
    h.images.show(btn_game_menu_background);
    h.images.set_bounds(btn_game_menu_background, {0, 0, 256, 448});
    EXPECT_EQ(h.images.hit_test(100, 20), btn_game_menu_background) << "the panel takes clicks";
}

}  // namespace
}  // namespace zuzazizo
