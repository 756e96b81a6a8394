#include "core/windows/manual_pages.h"

#include <gtest/gtest.h>

#include "core/input/virtual_keys.h"

namespace zuzazizo {
namespace {

TEST(ManualPages, KeysWorkTheirButtonOnlyWhereThePageCanTurn) {
    using enum ManualButton;
    const struct {
        std::uint16_t key;
        int page;
        std::optional<ManualButton> button;
    } cases[] = {
        {vk::escape, 1, esc},        {vk::escape, 8, esc},         {vk::left, 1, std::nullopt},
        {vk::left, 2, left},         {vk::left, 8, left},          {vk::right, 1, right},
        {vk::right, 7, right},       {vk::right, 8, std::nullopt}, {vk::up, 4, std::nullopt},
        {vk::down, 4, std::nullopt}, {vk::enter, 4, std::nullopt}, {0, 4, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(manual_key_button(c.key, c.page), c.button) << c.key << " on page " << c.page;
}

TEST(ManualPages, ATurnMovesOnePageAndNeverLeavesTheLeaflet) {
    using enum ManualButton;
    const struct {
        ManualButton released;
        int page;
        int after;
    } cases[] = {
        {right, 1, 2}, {right, 7, 8}, {right, 8, 8}, {left, 8, 7},
        {left, 2, 1},  {left, 1, 1},  {esc, 5, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(manual_page_after(c.released, c.page), c.after) << "from page " << c.page;
    int page = manual_first_page;
    for (int press = 0; press < 10; ++press) page = manual_page_after(right, page);
    EXPECT_EQ(page, 8) << "the leaflet has eight pages";
}

TEST(ManualPages, TheEndPagesHideTheirOuterButtonAndLeaveTheOtherAlone) {
    for (int page = manual_first_page; page <= manual_last_page; ++page) {
        const ManualPageButtons buttons = manual_page_buttons(page);
        if (page == 1) {
            EXPECT_EQ(buttons.left_shown, false);
            EXPECT_EQ(buttons.right_shown, std::nullopt) << "a pressed next button stays pressed";
        } else if (page == 8) {
            EXPECT_EQ(buttons.left_shown, std::nullopt);
            EXPECT_EQ(buttons.right_shown, false);
        } else {
            EXPECT_EQ(buttons.left_shown, true) << page;
            EXPECT_EQ(buttons.right_shown, true) << page;
        }
    }
}

}  // namespace
}  // namespace zuzazizo
