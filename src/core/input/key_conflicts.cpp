#include "core/input/key_conflicts.h"

namespace zuzazizo {

KeyConflicts find_key_conflicts(const ShownKeys& shown) {
    KeyConflicts result;
    for (std::size_t j = 1; j <= key_slot_count; ++j) {
        for (std::size_t k = 1; k <= key_slot_count; ++k) {
            if (j == k || shown[j] != shown[k]) continue;
            result.marked[j] = true;
            result.marked[k] = true;
            result.any = true;
        }
    }
    return result;
}

}  // namespace zuzazizo
