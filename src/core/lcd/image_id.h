// Every image of the main window, in stacking order from the bottom up.
//
// The enumerators carry the component names of the handheld's window so that game code and
// tests read like the firmware they model. The order of this list is the painting order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zuzazizo {

#define ZUZAZIZO_IMAGES(X)      \
    X(im_backdrop)              \
    X(im_backdrop_logo)         \
    X(im_background)            \
    X(im_panel_number_0)        \
    X(im_panel_number_1)        \
    X(im_panel_number_2)        \
    X(im_panel_number_3)        \
    X(im_panel_number_4)        \
    X(im_panel_number_5)        \
    X(im_panel_number_6)        \
    X(im_panel_number_7)        \
    X(im_panel_number_8)        \
    X(im_panel_number_9)        \
    X(btn_light_down)           \
    X(btn_light_top)            \
    X(btn_set_top)              \
    X(im_background_light)      \
    X(btn_time_down)            \
    X(btn_time_top)             \
    X(btn_game_a_down)          \
    X(btn_game_a_top)           \
    X(btn_game_b_down)          \
    X(btn_game_b_top)           \
    X(btn_left_down)            \
    X(btn_left_top)             \
    X(btn_right_down)           \
    X(btn_right_top)            \
    X(im_panel_number_small_0)  \
    X(im_panel_number_small_1)  \
    X(im_panel_number_small_2)  \
    X(im_panel_number_small_3)  \
    X(im_panel_number_small_4)  \
    X(im_panel_number_small_5)  \
    X(im_panel_number_small_6)  \
    X(im_panel_number_small_7)  \
    X(im_panel_number_small_8)  \
    X(im_panel_number_small_9)  \
    X(im_panel_game_a)          \
    X(im_panel_game_b)          \
    X(im_panel_time_1)          \
    X(im_panel_time_2)          \
    X(im_panel_alarm)           \
    X(im_panel_date)            \
    X(im_panel_chrono)          \
    X(im_panel_time_am)         \
    X(im_panel_time_pm)         \
    X(im_panel_digit_pos_5)     \
    X(im_panel_digit_pos_4)     \
    X(im_panel_digit_pos_3)     \
    X(im_panel_time_colon)      \
    X(im_panel_digit_pos_2)     \
    X(im_panel_digit_pos_1)     \
    X(im_panel_sound)           \
    X(im_panel_bell)            \
    X(im_panel_miss_3)          \
    X(im_panel_miss_2)          \
    X(im_panel_miss_1)          \
    X(im_item_1_1)              \
    X(im_item_1_2)              \
    X(im_item_1_3)              \
    X(im_item_1_4)              \
    X(im_item_1_5)              \
    X(im_item_1_6)              \
    X(im_item_2_1)              \
    X(im_item_2_2)              \
    X(im_item_2_3)              \
    X(im_item_2_4)              \
    X(im_item_2_5)              \
    X(im_item_2_6)              \
    X(im_item_3_1)              \
    X(im_item_3_2)              \
    X(im_item_3_3)              \
    X(im_item_3_4)              \
    X(im_item_3_5)              \
    X(im_item_3_6)              \
    X(im_item_1_got)            \
    X(im_item_2_got)            \
    X(im_item_3_got)            \
    X(im_item_1_miss)           \
    X(im_item_2_miss)           \
    X(im_item_3_miss)           \
    X(im_hero_1_1)              \
    X(im_hero_1_2)              \
    X(im_hero_1_3)              \
    X(im_hero_1_4)              \
    X(im_hero_2_1)              \
    X(im_hero_2_2)              \
    X(im_hero_2_3)              \
    X(im_hero_2_4)              \
    X(im_hero_3_1)              \
    X(im_hero_3_2)              \
    X(im_hero_3_3)              \
    X(im_hero_3_4)              \
    X(im_hero_3_5)              \
    X(im_hero_3_6)              \
    X(im_item_top_1_1)          \
    X(im_item_top_1_2)          \
    X(im_item_top_1_3)          \
    X(im_item_top_2_1)          \
    X(im_item_top_2_2)          \
    X(im_item_top_2_3)          \
    X(im_item_top_2_4)          \
    X(im_item_top_2_5)          \
    X(im_item_top_3_1)          \
    X(im_item_top_3_2)          \
    X(im_item_top_3_3)          \
    X(im_item_top_3_4)          \
    X(im_item_top_3_5)          \
    X(im_background_screen_top) \
    X(btn_game_menu_background) \
    X(btn_game_menu_top)

enum class ImageId : std::uint8_t {
#define ZUZAZIZO_ENUM(name) name,
    ZUZAZIZO_IMAGES(ZUZAZIZO_ENUM)
#undef ZUZAZIZO_ENUM
};

inline constexpr std::size_t image_count = 0
#define ZUZAZIZO_COUNT(name) +1
    ZUZAZIZO_IMAGES(ZUZAZIZO_COUNT)
#undef ZUZAZIZO_COUNT
    ;
static_assert(image_count == 111, "107 skin images plus backdrop, logo and the game-menu pair");

inline constexpr std::array<std::string_view, image_count> image_names = {
#define ZUZAZIZO_NAME(name) #name,
    ZUZAZIZO_IMAGES(ZUZAZIZO_NAME)
#undef ZUZAZIZO_NAME
};

constexpr std::size_t index_of(ImageId id) {
    return static_cast<std::size_t>(id);
}
constexpr std::string_view name_of(ImageId id) {
    return image_names[index_of(id)];
}
std::optional<ImageId> image_by_name(std::string_view name);

}  // namespace zuzazizo
