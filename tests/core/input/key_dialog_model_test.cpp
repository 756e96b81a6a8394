// The key dialog's model: what the lists show, the conflicts among them, and what accept stores.
#include "core/input/key_dialog_model.h"

#include <gtest/gtest.h>

#include "core/input/virtual_keys.h"
#include "core/settings/settings_backend.h"

namespace zuzazizo {
namespace {

struct KeyDialogModelTest : ::testing::Test {
    KeyDialogModelTest() {
        keys.Key_Build_Names();
        keys.Key_Load_Bindings();
    }
    std::vector<int> marked(const KeyDialogModel& model) const {
        std::vector<int> slots;
        for (int slot = 1; slot <= key_slot_count; ++slot)
            if (model.conflicts().marked[static_cast<std::size_t>(slot)]) slots.push_back(slot);
        return slots;
    }

    MemorySettingsBackend backend;
    SettingsStore settings{backend};
    KeyBindings keys{settings};
};

TEST_F(KeyDialogModelTest, ListsShowTheBoundChoicesAndOfferTheWholeTableInChoiceOrder) {
    const KeyDialogModel model(keys);
    ASSERT_EQ(KeyDialogModel::captions().size(), 44u);
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        const int choice = keys.key_bindings[static_cast<std::size_t>(slot)].choice;
        EXPECT_EQ(model.selected(slot), choice - 1) << "slot " << slot;
        EXPECT_EQ(KeyDialogModel::captions()[static_cast<std::size_t>(choice - 1)],
                  key_choice(choice)->caption);
    }
    EXPECT_TRUE(model.can_accept());
}

TEST_F(KeyDialogModelTest, ConflictsFollowEachSelectionAndClearWhenResolved) {
    KeyDialogModel model(keys);
    model.select(4, model.selected(1));  // Light on Game A's key
    EXPECT_EQ(marked(model), (std::vector<int>{1, 4}));
    EXPECT_FALSE(model.can_accept());
    model.select(6, model.selected(1));
    EXPECT_EQ(marked(model), (std::vector<int>{1, 4, 6}));
    model.select(4, 20);
    EXPECT_EQ(marked(model), (std::vector<int>{1, 6}));
    EXPECT_FALSE(model.can_accept());
    model.select(6, 21);
    EXPECT_TRUE(marked(model).empty());
    EXPECT_TRUE(model.can_accept());
    model.select(2, model.selected(1));
    model.select(6, model.selected(5));
    EXPECT_EQ(marked(model), (std::vector<int>{1, 2, 5, 6})) << "two pairs, each marked";
}

// Nothing selected shows empty text, and two empty lists show the same text.
TEST_F(KeyDialogModelTest, ListsWithNothingSelectedShareTheEmptyText) {
    keys.key_bindings[2].choice = 45;  // outside the table
    KeyDialogModel model(keys);
    EXPECT_EQ(model.selected(2), -1);
    EXPECT_TRUE(model.can_accept()) << "one empty list shares its text with nobody";
    for (const int position : {-1, 44, 99}) {
        model.select(3, position);
        EXPECT_EQ(model.selected(3), -1) << position;
        EXPECT_EQ(marked(model), (std::vector<int>{2, 3})) << position;
    }
    model.select(2, 10);
    model.select(3, 11);
    EXPECT_TRUE(model.can_accept());
}

TEST_F(KeyDialogModelTest, AcceptStoresEveryShownChoiceAndAnUnsavedChoiceStaysUntilThen) {
    KeyDialogModel model(keys);
    const int up_arrow = 36;  // "<UP ARROW>" sits at this list position
    ASSERT_EQ(key_choice(up_arrow + 1)->virtual_key, vk::up);
    model.select(5, up_arrow);
    EXPECT_EQ(keys.key_bindings[5].virtual_key, vk::left) << "nothing changes before accept";
    EXPECT_EQ(model.selected(5), up_arrow) << "the unsaved choice is kept for the next opening";
    model.accept(keys);
    EXPECT_EQ(keys.key_bindings[5].choice, up_arrow + 1);
    EXPECT_EQ(keys.key_bindings[5].virtual_key, vk::up);
    EXPECT_EQ(backend.values["Key5"], "37");
    EXPECT_EQ(backend.values["Key1"], "2");
}

TEST(KeyDialogKeys, EnterAcceptsEscapeClosesAndTheListsGetEveryOtherKey) {
    EXPECT_EQ(key_dialog_key(vk::enter), KeyDialogKey::accept);
    EXPECT_EQ(key_dialog_key(vk::escape), KeyDialogKey::close);
    for (std::uint16_t key : {vk::up, vk::down, vk::space, vk::digit(1), std::uint16_t{0}})
        EXPECT_EQ(key_dialog_key(key), std::nullopt) << key;
}

}  // namespace
}  // namespace zuzazizo
