#include "core/shell/menu_table.h"

#include <gtest/gtest.h>

#include <set>

namespace zuzazizo {
namespace {

TEST(MenuTable, ShortcutsAreUniqueAndEachFindsItsOwnItem) {
    std::set<std::uint16_t> seen;
    for (const MenuItem& item : menu_item_table) {
        if (item.shortcut == 0) continue;
        EXPECT_TRUE(seen.insert(item.shortcut).second) << item.name << " shares its shortcut";
        EXPECT_EQ(command_of_shortcut(item.shortcut), item.command) << item.name;
    }
    EXPECT_EQ(seen.size(), 6u) << "F1 to F4, F12 and Esc";
    EXPECT_EQ(command_of_shortcut(0), std::nullopt) << "0 means no shortcut, not a separator's";
    EXPECT_EQ(command_of_shortcut(vk::f1 + 4), std::nullopt) << "F5 is no shortcut";
}

TEST(MenuTable, ShortcutTextsAsTheMenuShowsThem) {
    const struct {
        std::uint16_t key;
        const char* text;
    } cases[] = {
        {vk::f1, "F1"},      {vk::f4, "F4"}, {vk::f1 + 9, "F10"}, {vk::f12, "F12"},
        {vk::escape, "Esc"}, {0, ""},        {vk::f12 + 1, ""},   {vk::enter, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(shortcut_text(c.key), c.text) << c.key;
}

TEST(MenuTable, OnlyTheTwoCheckableItemsCarryAMark) {
    MenuChecks checks{.fullscreen = false, .splashscreen = false};
    for (const MenuItem& item : menu_item_table) {
        checks.set(item.command, true);
        EXPECT_EQ(checks.checked(item.command), item.checkable) << item.name;
    }
    EXPECT_TRUE(checks.fullscreen);
    EXPECT_TRUE(checks.splashscreen);
    checks.set(MenuCommand::fullscreen, false);
    EXPECT_FALSE(checks.checked(MenuCommand::fullscreen));
    EXPECT_TRUE(checks.checked(MenuCommand::splashscreen)) << "the marks are kept apart";
}

TEST(MenuTable, GameMenuRowsFollowTheItemsAndTheirMarks) {
    for (const bool fullscreen : {false, true}) {
        for (const bool splash : {false, true}) {
            const auto rows = game_menu_rows({.fullscreen = fullscreen, .splashscreen = splash});
            ASSERT_EQ(rows.size(), 13u);
            for (std::size_t row : {4u, 8u, 11u}) {
                EXPECT_FALSE(rows[row].interactive) << "separator row " << row + 1;
                EXPECT_TRUE(rows[row].text.empty());
            }
            EXPECT_EQ(rows[0].text, "   About...");
            EXPECT_TRUE(rows[0].interactive);
            EXPECT_EQ(rows[12].text, "   Exit");
            EXPECT_EQ(rows[9].text, fullscreen ? "   Display in fullscreen mode [V]"
                                               : "   Display in fullscreen mode");
            EXPECT_EQ(rows[10].text, splash ? "   Display splash screen at startup [V]"
                                            : "   Display splash screen at startup");
        }
    }
}

}  // namespace
}  // namespace zuzazizo
