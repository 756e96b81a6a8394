#include "core/lcd/lcd.h"

#include <string>

namespace zuzazizo {

using enum ImageId;

namespace {

// The status line, in the order the all-segments display sets it.
constexpr std::array indicators = {
    im_panel_game_a, im_panel_game_b,  im_panel_time_1,  im_panel_time_2,
    im_panel_alarm,  im_panel_date,    im_panel_chrono,  im_panel_bell,
    im_panel_sound,  im_panel_time_am, im_panel_time_pm, im_panel_time_colon,
};

// Which top-group images each frame lights; every other top-group image goes dark.
struct TopFrame {
    int group;
    int first;
    int second;  // 0: the frame lights one image only
};
constexpr std::array<TopFrame, 11> top_frames = {{
    {0, 0, 0},  // 0: all dark
    {1, 1, 2},
    {1, 1, 3},  // the game-over figure
    {2, 1, 2},
    {2, 1, 3},
    {2, 1, 4},
    {2, 1, 5},  // the pitch
    {3, 1, 0},
    {3, 2, 3},
    {3, 2, 4},
    {3, 2, 5},  // the after-miss figure
}};
constexpr std::array<int, 4> top_group_sizes = {0, 3, 5, 5};

ImageId offset(ImageId first, int by) {
    return static_cast<ImageId>(index_of(first) + static_cast<std::size_t>(by));
}

}  // namespace

Lcd::Lcd(ImageModel& images) : images_(images) {
    fill_tables();
}

void Lcd::fill_tables() {
    for (int i = 1; i <= 5; ++i) {
        // The digit places are stacked 5, 4, 3, colon, 2, 1, so they are looked up by name.
        seg_digit_pos[i] = *image_by_name("im_panel_digit_pos_" + std::to_string(i));
    }
    for (int d = 0; d <= 9; ++d) {
        seg_number[d] = offset(im_panel_number_0, d);
        seg_number_small[d] = offset(im_panel_number_small_0, d);
    }
    for (int i = 1; i <= 3; ++i) {
        // Stacked 3, 2, 1: looked up by name as well.
        seg_panel_miss[i] = *image_by_name("im_panel_miss_" + std::to_string(i));
    }
    const std::array<ImageId, 4> hero_first = {im_hero_1_1, im_hero_1_1, im_hero_2_1, im_hero_3_1};
    for (int p = 1; p <= lane_count; ++p) {
        const int frames = p == 3 ? 6 : 4;
        for (int f = 1; f <= frames; ++f) seg_hero[p][f] = offset(hero_first[p], f - 1);
    }
    for (int r = 1; r <= lane_count; ++r) {
        for (int c = 1; c <= cells_per_lane; ++c)
            seg_item[r][c] = offset(im_item_1_1, (r - 1) * cells_per_lane + c - 1);
        seg_item_miss[r] = offset(im_item_1_miss, r - 1);
        seg_item_got[r] = offset(im_item_1_got, r - 1);
    }
    const std::array<ImageId, 4> top_first = {im_item_top_1_1, im_item_top_1_1, im_item_top_2_1,
                                              im_item_top_3_1};
    for (int g = 1; g <= 3; ++g) {
        for (int f = 1; f <= top_group_sizes[g]; ++f)
            seg_item_top[g][f] = offset(top_first[g], f - 1);
    }
}

void Lcd::Vid_Show_All(bool on) {
    for (ImageId id : indicators) images_.set_visible(id, on);
    for (int i = 1; i <= 5; ++i) images_.show(seg_digit_pos[i]);
    Vid_Show_Panel_Score(8888, on);
    if (on) {
        set_small_digit(5, 8);
    } else {
        set_digit(5, -1);
    }
    Vid_Show_Panel_Miss(on ? 3 : 0);
    Vid_Show_All_Hero(on);
    Vid_Show_All_Item(on);
    Vid_Show_All_Item_Miss(on);
    Vid_Show_All_Item_Got(on);
    Vid_Show_All_Item_Top(on);
}

void Lcd::Vid_Show_All_Hero(bool on) {
    for (int p = 1; p <= lane_count; ++p) {
        for (int f = 1; f <= 4; ++f) images_.set_visible(*seg_hero[p][f], on);
    }
    images_.set_visible(im_hero_3_5, on);
    images_.set_visible(im_hero_3_6, on);
}

void Lcd::Vid_Show_All_Item(bool on) {
    for (int r = 1; r <= lane_count; ++r) {
        for (int c = 1; c <= cells_per_lane; ++c) images_.set_visible(seg_item[r][c], on);
    }
}

void Lcd::Vid_Show_All_Item_Got(bool on) {
    for (int r = 1; r <= lane_count; ++r) images_.set_visible(seg_item_got[r], on);
}

void Lcd::Vid_Show_All_Item_Miss(bool on) {
    for (int r = 1; r <= lane_count; ++r) images_.set_visible(seg_item_miss[r], on);
}

void Lcd::Vid_Show_All_Item_Top(bool on) {
    for (int g = 1; g <= 3; ++g) {
        for (int f = 1; f <= top_group_sizes[g]; ++f) images_.set_visible(*seg_item_top[g][f], on);
    }
}

void Lcd::set_hero_group(int position, std::array<bool, 3> lit) {
    for (int f = 1; f <= 3; ++f) images_.set_visible(*seg_hero[position][f], lit[f - 1]);
}

void Lcd::Vid_Show_Hero(std::int32_t position, std::int32_t pose) {
    // Every caller keeps the position in range; anything else is ignored rather than trusted.
    if (position < 1 || position > lane_count) return;
    switch (pose) {
        case 0:
            set_hero_group(position, {false, false, false});
            break;
        case 1:
            set_hero_group(position, {true, true, false});
            break;
        case 2:
            set_hero_group(position, {true, false, true});
            break;
        default:
            break;
    }
}

void Lcd::Vid_Show_Item_Top(std::int32_t frame) {
    if (frame < 0 || frame > 10) return;
    const TopFrame& lit = top_frames[static_cast<std::size_t>(frame)];
    for (int g = 1; g <= 3; ++g) {
        for (int f = 1; f <= top_group_sizes[g]; ++f) {
            const bool on = g == lit.group && (f == lit.first || f == lit.second);
            images_.set_visible(*seg_item_top[g][f], on);
        }
    }
}

}  // namespace zuzazizo
