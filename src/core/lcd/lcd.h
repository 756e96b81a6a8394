// The handheld's liquid-crystal screen: the segment tables and every drawing operation.
//
// A segment is lit by showing its image and darkened by hiding it; the five digit places are the
// exception, staying visible and changing their picture. The game decides what is lit, this class
// decides which images a request touches. It keeps no state besides the tables.
#pragma once

#include <array>
#include <cstdint>

#include "core/lcd/field.h"
#include "core/lcd/image_model.h"

namespace zuzazizo {

class Lcd {
  public:
    explicit Lcd(ImageModel& images);

    ImageModel& images() { return images_; }
    const ImageModel& images() const { return images_; }

    void Vid_Show_All(bool on);
    void Vid_Show_All_Hero(bool on);
    void Vid_Show_All_Item(bool on);
    void Vid_Show_All_Item_Got(bool on);
    void Vid_Show_All_Item_Miss(bool on);
    void Vid_Show_All_Item_Top(bool on);
    void Vid_Show_Hero(std::int32_t position, std::int32_t pose);
    void Vid_Show_Item_Top(std::int32_t frame);

    // Number panel.
    void Vid_Show_Panel_Score(std::int32_t value, bool show);
    void Vid_Show_Panel_Miss(std::int32_t count);
    // Puts a large digit into a place (1..5), or empties it with digit -1.
    void set_digit(int place, int digit);
    void set_small_digit(int place, int digit);

    // Segment tables, 1-based like the image names; digit sources are indexed by value.
    std::array<ImageId, 6> seg_digit_pos{};
    std::array<ImageId, 10> seg_number{};
    std::array<ImageId, 10> seg_number_small{};
    std::array<ImageId, 4> seg_panel_miss{};
    std::array<std::array<std::optional<ImageId>, 7>, lane_count + 1> seg_hero{};
    std::array<std::array<ImageId, cells_per_lane + 1>, lane_count + 1> seg_item{};
    std::array<ImageId, lane_count + 1> seg_item_miss{};
    std::array<ImageId, lane_count + 1> seg_item_got{};
    std::array<std::array<std::optional<ImageId>, 6>, 4> seg_item_top{};

  private:
    void fill_tables();
    void set_hero_group(int position, std::array<bool, 3> lit);

    ImageModel& images_;
};

}  // namespace zuzazizo
