// The key dialog's conflict rule: which slots share a key, and whether accepting is allowed.
#include "core/input/key_conflicts.h"

#include <gtest/gtest.h>

#include <string>

namespace zuzazizo {
namespace {

// Slots are set from whole strings: GCC 12 at -O3 reports a false overlap (-Wrestrict) in the
// inlined assignment of a short literal to a std::string.
ShownKeys defaults() {
    return {"", "1", "2", "3", "5", "<LEFT ARROW>", "<RIGHT ARROW>"};
}

std::vector<int> marked_slots(const KeyConflicts& conflicts) {
    std::vector<int> slots;
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        if (conflicts.marked[static_cast<std::size_t>(slot)]) slots.push_back(slot);
    }
    return slots;
}

TEST(KeyConflicts, SixDifferentKeysConflictNowhere) {
    const KeyConflicts conflicts = find_key_conflicts(defaults());
    EXPECT_FALSE(conflicts.any);
    EXPECT_TRUE(marked_slots(conflicts).empty());
}

TEST(KeyConflicts, TwoSlotsOnOneKeyAreBothMarked) {
    ShownKeys shown = defaults();
    shown[4] = std::string{"1"};
    const KeyConflicts conflicts = find_key_conflicts(shown);
    EXPECT_TRUE(conflicts.any);
    EXPECT_EQ(marked_slots(conflicts), (std::vector<int>{1, 4}));
}

TEST(KeyConflicts, MovingOneOfThreeAwayLeavesTheOtherTwoInConflict) {
    ShownKeys shown = defaults();
    shown[2] = std::string{"1"};
    shown[6] = std::string{"1"};
    EXPECT_EQ(marked_slots(find_key_conflicts(shown)), (std::vector<int>{1, 2, 6}));
    shown[2] = std::string{"Q"};
    const KeyConflicts conflicts = find_key_conflicts(shown);
    EXPECT_TRUE(conflicts.any);
    EXPECT_EQ(marked_slots(conflicts), (std::vector<int>{1, 6}));
}

TEST(KeyConflicts, TwoPairsAreMarkedIndependently) {
    ShownKeys shown = defaults();
    shown[2] = std::string{"1"};
    shown[6] = std::string{"<LEFT ARROW>"};
    EXPECT_EQ(marked_slots(find_key_conflicts(shown)), (std::vector<int>{1, 2, 5, 6}));
}

TEST(KeyConflicts, TwoListsWithoutASelectionShareTheEmptyKey) {
    ShownKeys shown = defaults();
    shown[3] = std::string{""};
    EXPECT_FALSE(find_key_conflicts(shown).any) << "one empty list alone is no conflict";
    shown[5] = std::string{""};
    EXPECT_EQ(marked_slots(find_key_conflicts(shown)), (std::vector<int>{3, 5}));
}

}  // namespace
}  // namespace zuzazizo
