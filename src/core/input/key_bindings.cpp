#include "core/input/key_bindings.h"

#include "core/lcd/buttons.h"

namespace zuzazizo {

using enum ImageId;

namespace {

// The hint of each pictured button: "click or press " + the bound key's name, then the action of
// its slot (empty: the hint ends with the key's name).
constexpr std::array<std::string_view, key_slot_count> slot_actions = {
    "to start game A", "to start game B", "to switch mode", "to turn on the light", "", "",
};
constexpr std::string_view hint_lead = "click or press ";

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

}  // namespace

void KeyBindings::Key_Load_Bindings() {
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        const std::int32_t fallback = default_key_choice[at(slot)];
        const std::int32_t stored = settings_.read_integer(settings::key_slot(slot), fallback);
        key_bindings[at(slot)].choice = valid_key_choice(stored) ? stored : fallback;
    }
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        settings_.write_integer(settings::key_slot(slot), key_bindings[at(slot)].choice);
        AssignWord(slot, key_bindings[at(slot)]);
    }
}

void KeyBindings::AssignWord(int slot, const TKeyBinding& binding) {
    if (slot < 1 || slot > key_slot_count) return;
    if (const auto key = key_choice(binding.choice)) {
        key_bindings[at(slot)].virtual_key = key->virtual_key;
    }
}

void KeyBindings::store_choice(int slot, std::int32_t choice) {
    if (slot < 1 || slot > key_slot_count || !valid_key_choice(choice)) return;
    key_bindings[at(slot)].choice = choice;
    settings_.write_integer(settings::key_slot(slot), choice);
    AssignWord(slot, key_bindings[at(slot)]);
}

const std::string& KeyBindings::Name(int slot) const {
    // Entry 0 is empty: an unknown slot or a binding not yet loaded names no key.
    if (slot < 1 || slot > key_slot_count) return key_names[0];
    const std::int32_t choice = key_bindings[at(slot)].choice;
    return key_names[valid_key_choice(choice) ? at(choice) : 0];
}

void KeyBindings::Key_Build_Hints(ImageModel& images) const {
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        // Appended into one string rather than joined with `+`: at -O3 (the Release build) GCC 12
        // reports a false -Wrestrict on `" " + std::string`, and warnings are errors.
        const std::string_view action = slot_actions[at(slot - 1)];
        std::string text(hint_lead);
        text += Name(slot);
        if (!action.empty()) {
            text += ' ';
            text += action;
        }
        images.set_hint(images_of_slot(slot).top, std::move(text));
    }
    images.set_hint(btn_set_top, std::string(set_button_hint));
}

}  // namespace zuzazizo
