#include "core/input/key_dialog_model.h"

#include "core/input/key_table.h"
#include "core/input/virtual_keys.h"

namespace zuzazizo {

std::optional<KeyDialogKey> key_dialog_key(std::uint16_t key) {
    if (key == vk::enter) return KeyDialogKey::accept;
    if (key == vk::escape) return KeyDialogKey::close;
    return std::nullopt;
}

KeyDialogModel::KeyDialogModel(const KeyBindings& keys) {
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        const std::int32_t choice = keys.key_bindings[static_cast<std::size_t>(slot)].choice;
        selected_[static_cast<std::size_t>(slot)] = valid_key_choice(choice) ? choice - 1 : -1;
    }
    check();
}

const std::vector<std::string>& KeyDialogModel::captions() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> list;
        for (int choice = 1; choice <= key_choice_count; ++choice)
            list.emplace_back(key_choice(choice)->caption);
        return list;
    }();
    return items;
}

void KeyDialogModel::select(int slot, int position) {
    const bool in_list = position >= 0 && position < key_choice_count;
    selected_[static_cast<std::size_t>(slot)] = in_list ? position : -1;
    check();
}

// The rule compares what the lists show, so two empty lists count as sharing a key.
void KeyDialogModel::check() {
    ShownKeys shown;
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        const int position = selected(slot);
        shown[static_cast<std::size_t>(slot)] =
            position < 0 ? std::string() : captions()[static_cast<std::size_t>(position)];
    }
    conflicts_ = find_key_conflicts(shown);
}

void KeyDialogModel::accept(KeyBindings& keys) const {
    for (int slot = 1; slot <= key_slot_count; ++slot) keys.store_choice(slot, selected(slot) + 1);
}

}  // namespace zuzazizo
