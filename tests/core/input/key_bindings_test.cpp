// The key table, the six bindings kept as Key1..Key6 and the hints that name them.
#include "core/input/key_bindings.h"

#include <gtest/gtest.h>

#include <set>

#include "core/input/virtual_keys.h"
#include "core/settings/settings_backend.h"

namespace zuzazizo {
namespace {

using enum ImageId;

TEST(KeyTable, DigitsLettersAndSpecialKeysHaveTheirCodesAndCaptions) {
    EXPECT_EQ(key_choice(1)->virtual_key, 0x30);
    EXPECT_EQ(key_choice(1)->caption, "0");
    EXPECT_EQ(key_choice(10)->virtual_key, 0x39);
    EXPECT_EQ(key_choice(10)->caption, "9");
    EXPECT_EQ(key_choice(11)->virtual_key, 0x41);
    EXPECT_EQ(key_choice(11)->caption, "A");
    EXPECT_EQ(key_choice(21)->caption, "K");
    EXPECT_EQ(key_choice(36)->virtual_key, 0x5A);
    EXPECT_EQ(key_choice(36)->caption, "Z");

    struct Special {
        int choice;
        const char* caption;
        std::uint16_t code;
    };
    // The arrows are numbered up, down, left, right; their codes do not run in that order.
    const Special specials[] = {
        {37, "<UP ARROW>", 0x26},    {38, "<DOWN ARROW>", 0x28}, {39, "<LEFT ARROW>", 0x25},
        {40, "<RIGHT ARROW>", 0x27}, {41, "<ALT>", 0x12},        {42, "<CTRL>", 0x11},
        {43, "<SHIFT>", 0x10},       {44, "<SPACEBAR>", 0x20},
    };
    for (const Special& s : specials) {
        SCOPED_TRACE(s.choice);
        EXPECT_EQ(key_choice(s.choice)->caption, s.caption);
        EXPECT_EQ(key_choice(s.choice)->virtual_key, s.code);
    }
}

TEST(KeyTable, EveryChoiceIsADistinctKeyAndNothingLiesOutsideTheTable) {
    std::set<std::uint16_t> codes;
    std::set<std::string_view> captions;
    for (int choice = 1; choice <= key_choice_count; ++choice) {
        const auto key = key_choice(choice);
        ASSERT_TRUE(key) << choice;
        codes.insert(key->virtual_key);
        captions.insert(key->caption);
    }
    EXPECT_EQ(codes.size(), 44u);
    EXPECT_EQ(captions.size(), 44u);
    EXPECT_FALSE(key_choice(0));
    EXPECT_FALSE(key_choice(45));
    EXPECT_FALSE(key_choice(-1));
}

TEST(KeyTable, NamesQuoteDigitsAndLettersAndSayKeyForSpecialKeys) {
    const KeyNames names = Key_Build_Names();
    EXPECT_EQ(names[1], "'0'");
    EXPECT_EQ(names[8], "'7'");
    EXPECT_EQ(names[21], "'K'");
    EXPECT_EQ(names[36], "'Z'");
    EXPECT_EQ(names[37], "'up arrow' key");
    EXPECT_EQ(names[38], "'down arrow' key");
    EXPECT_EQ(names[39], "'left arrow' key");
    EXPECT_EQ(names[40], "'right arrow' key");
    EXPECT_EQ(names[41], "'alt' key");
    EXPECT_EQ(names[42], "'ctrl' key");
    EXPECT_EQ(names[43], "'shift' key");
    EXPECT_EQ(names[44], "'spacebar'");
}

class KeyBindingsTest : public ::testing::Test {
  protected:
    // The window's start-up order: names, bindings, hints.
    void load() {
        keys.Key_Build_Names();
        keys.Key_Load_Bindings();
        keys.Key_Build_Hints(images);
    }
    std::uint16_t code(int slot) const { return keys.key_bindings[slot].virtual_key; }
    const std::string& hint(ImageId id) const { return images[id].hint; }

    MemorySettingsBackend backend;
    SettingsStore settings{backend};
    ImageModel images;
    KeyBindings keys{settings};
};

TEST_F(KeyBindingsTest, FirstRunBindsTheDefaultKeysAndWritesAllSixValues) {
    load();
    EXPECT_EQ(code(1), vk::digit(1));
    EXPECT_EQ(code(2), vk::digit(2));
    EXPECT_EQ(code(3), vk::digit(3));
    EXPECT_EQ(code(4), vk::digit(5));
    EXPECT_EQ(code(5), vk::left);
    EXPECT_EQ(code(6), vk::right);
    const std::map<std::string, std::string> written = {
        {"Key1", "2"}, {"Key2", "3"}, {"Key3", "4"}, {"Key4", "6"}, {"Key5", "39"}, {"Key6", "40"},
    };
    EXPECT_EQ(backend.values, written);
}

TEST_F(KeyBindingsTest, DefaultHintsNameTheBoundKeys) {
    load();
    EXPECT_EQ(hint(btn_game_a_top), "click or press '1' to start game A");
    EXPECT_EQ(hint(btn_game_b_top), "click or press '2' to start game B");
    EXPECT_EQ(hint(btn_time_top), "click or press '3' to switch mode");
    EXPECT_EQ(hint(btn_light_top), "click or press '5' to turn on the light");
    EXPECT_EQ(hint(btn_set_top), "button disabled");
    EXPECT_EQ(hint(btn_left_top), "click or press 'left arrow' key");
    EXPECT_EQ(hint(btn_right_top), "click or press 'right arrow' key");
}

TEST_F(KeyBindingsTest, StoredChoiceUpArrowBindsLeftToTheUpArrowKey) {
    backend.values["Key5"] = "37";
    backend.values["Key1"] = "21";  // K
    load();
    EXPECT_EQ(code(5), vk::up);
    EXPECT_EQ(hint(btn_left_top), "click or press 'up arrow' key");
    EXPECT_EQ(code(1), vk::letter('K'));
    EXPECT_EQ(hint(btn_game_a_top), "click or press 'K' to start game A");
    EXPECT_EQ(backend.values["Key5"], "37");
    EXPECT_EQ(hint(btn_right_top), "click or press 'right arrow' key");
}

TEST_F(KeyBindingsTest, StoredChoiceOutsideTheTableFallsBackToTheSlotDefaultAndIsRewritten) {
    backend.values["Key1"] = "45";
    backend.values["Key3"] = "0";
    backend.values["Key4"] = "-7";
    backend.values["Key6"] = "not a number";
    load();
    EXPECT_EQ(keys.key_bindings[1].choice, 2);
    EXPECT_EQ(keys.key_bindings[3].choice, 4);
    EXPECT_EQ(keys.key_bindings[4].choice, 6);
    EXPECT_EQ(keys.key_bindings[6].choice, 40);
    EXPECT_EQ(code(1), vk::digit(1));
    EXPECT_EQ(code(4), vk::digit(5));
    EXPECT_EQ(backend.values["Key1"], "2");
    EXPECT_EQ(backend.values["Key3"], "4");
    EXPECT_EQ(backend.values["Key4"], "6");
    EXPECT_EQ(backend.values["Key6"], "40");
    EXPECT_EQ(hint(btn_time_top), "click or press '3' to switch mode");
    EXPECT_EQ(hint(btn_right_top), "click or press 'right arrow' key");
}

TEST_F(KeyBindingsTest, AssignWordIgnoresAChoiceOutsideTheTable) {
    load();
    keys.AssignWord(2, TKeyBinding{45, 0});
    EXPECT_EQ(code(2), vk::digit(2));
    keys.AssignWord(2, TKeyBinding{44, 0});
    EXPECT_EQ(code(2), vk::space);
}

TEST_F(KeyBindingsTest, StoringAChoiceSavesItAndTakesEffectWithTheRebuiltHints) {
    load();
    keys.store_choice(6, 44);
    keys.Key_Build_Hints(images);
    EXPECT_EQ(code(6), vk::space);
    EXPECT_EQ(backend.values["Key6"], "44");
    EXPECT_EQ(hint(btn_right_top), "click or press 'spacebar'");

    keys.store_choice(6, 0);  // not a key: nothing changes
    EXPECT_EQ(keys.key_bindings[6].choice, 44);
    EXPECT_EQ(backend.values["Key6"], "44");
}

}  // namespace
}  // namespace zuzazizo
