#include "core/windows/manual_pages.h"

#include "core/input/virtual_keys.h"

namespace zuzazizo {

std::optional<ManualButton> manual_key_button(std::uint16_t key, int page) {
    if (key == vk::escape) return ManualButton::esc;
    if (key == vk::left && page > manual_first_page) return ManualButton::left;
    if (key == vk::right && page < manual_last_page) return ManualButton::right;
    return std::nullopt;
}

int manual_page_after(ManualButton released, int page) {
    switch (released) {
        case ManualButton::left:
            return page > manual_first_page ? page - 1 : page;
        case ManualButton::right:
            return page < manual_last_page ? page + 1 : page;
        case ManualButton::esc:
            break;
    }
    return page;
}

ManualPageButtons manual_page_buttons(int page) {
    if (page == manual_first_page) return {false, std::nullopt};
    if (page == manual_last_page) return {std::nullopt, false};
    return {true, true};
}

}  // namespace zuzazizo
