#include "core/input/key_table.h"

#include "core/input/virtual_keys.h"

namespace zuzazizo {

namespace {

constexpr int first_digit_choice = 1;
constexpr int first_letter_choice = 11;
constexpr int first_special_choice = 37;

// One character per digit and letter choice, so a caption can be a view into it.
constexpr std::string_view digit_and_letter_captions = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

struct SpecialKey {
    std::string_view caption;
    std::string_view hint_name;
    std::uint16_t virtual_key;
};
constexpr std::array<SpecialKey, 8> special_keys = {{
    {"<UP ARROW>", "'up arrow' key", vk::up},
    {"<DOWN ARROW>", "'down arrow' key", vk::down},
    {"<LEFT ARROW>", "'left arrow' key", vk::left},
    {"<RIGHT ARROW>", "'right arrow' key", vk::right},
    {"<ALT>", "'alt' key", vk::alt},
    {"<CTRL>", "'ctrl' key", vk::control},
    {"<SHIFT>", "'shift' key", vk::shift},
    {"<SPACEBAR>", "'spacebar'", vk::space},
}};
static_assert(first_special_choice + special_keys.size() - 1 == key_choice_count);

std::string_view plain_caption(std::int32_t choice) {
    return digit_and_letter_captions.substr(static_cast<std::size_t>(choice - 1), 1);
}

}  // namespace

std::optional<KeyChoice> key_choice(std::int32_t choice) {
    if (!valid_key_choice(choice)) return std::nullopt;
    if (choice < first_letter_choice) {
        return KeyChoice{plain_caption(choice),
                         static_cast<std::uint16_t>(vk::digit_0 + choice - first_digit_choice)};
    }
    if (choice < first_special_choice) {
        return KeyChoice{plain_caption(choice),
                         static_cast<std::uint16_t>(vk::letter_a + choice - first_letter_choice)};
    }
    const SpecialKey& key = special_keys[static_cast<std::size_t>(choice - first_special_choice)];
    return KeyChoice{key.caption, key.virtual_key};
}

KeyNames Key_Build_Names() {
    KeyNames names;
    for (int choice = 1; choice < first_special_choice; ++choice) {
        std::string& name = names[static_cast<std::size_t>(choice)];
        name += '\'';
        name += plain_caption(choice);
        name += '\'';
    }
    for (std::size_t i = 0; i < special_keys.size(); ++i) {
        names[first_special_choice + i] = std::string(special_keys[i].hint_name);
    }
    return names;
}

}  // namespace zuzazizo
