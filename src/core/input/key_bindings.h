// The six live key bindings, their persistence as Key1..Key6 and the hints that name them.
//
// The window owns one KeyBindings: it calls Key_Build_Names, Key_Load_Bindings and
// Key_Build_Hints once at creation; the input dispatch reads `key_bindings`; the key settings
// dialog stores an accepted choice with store_choice and rebuilds the hints.
#pragma once

#include <array>
#include <cstdint>

#include "core/input/key_table.h"
#include "core/lcd/image_model.h"
#include "core/settings/settings_store.h"

namespace zuzazizo {

inline constexpr int key_slot_count = 6;

struct TKeyBinding {
    std::int32_t choice = 0;        // 1..44, the number stored in the settings
    std::uint16_t virtual_key = 0;  // derived from choice by AssignWord; 0 until then
};

// Slots in button order GAME A, GAME B, TIME, LIGHT, LEFT, RIGHT: the keys 1, 2, 3, 5, left
// arrow, right arrow.
inline constexpr std::array<std::int32_t, key_slot_count + 1> default_key_choice = {0, 2,  3, 4,
                                                                                    6, 39, 40};

class KeyBindings {
  public:
    explicit KeyBindings(SettingsStore& settings) : settings_(settings) {}

    void Key_Build_Names() { key_names = zuzazizo::Key_Build_Names(); }
    // Reads Key1..Key6 and writes them straight back, so that all six values exist after the
    // first run. A stored choice outside the key table gets the slot's default instead, so no
    // hint or lookup ever leaves the table.
    void Key_Load_Bindings();
    void Key_Build_Hints(ImageModel& images) const;
    // Sets the slot's virtual_key from the binding's choice; a choice outside the table leaves it.
    void AssignWord(int slot, const TKeyBinding& binding);
    // What the key settings dialog does for each slot on accept: choice, settings value, code.
    void store_choice(int slot, std::int32_t choice);

    // The hint name of the key bound to a slot (Name(n) of the hint texts).
    const std::string& Name(int slot) const;

    KeyNames key_names;
    std::array<TKeyBinding, key_slot_count + 1> key_bindings{};  // [slot 1..6]

  private:
    SettingsStore& settings_;
};

}  // namespace zuzazizo
