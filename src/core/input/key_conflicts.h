// The key settings dialog's conflict rule, kept apart from the dialog so that it can be tested
// without a window.
//
// The rule compares what the six lists show, not their choice numbers: two lists with nothing
// selected both show empty text and so share a key, which keeps the accept button disabled until
// every button has a key of its own.
#pragma once

#include <array>
#include <string>

#include "core/input/key_bindings.h"

namespace zuzazizo {

// Indexed by slot 1..6 like the bindings; entry 0 is unused.
using ShownKeys = std::array<std::string, key_slot_count + 1>;

struct KeyConflicts {
    std::array<bool, key_slot_count + 1> marked{};  // [slot]: shares its key with another slot
    bool any = false;
};

KeyConflicts find_key_conflicts(const ShownKeys& shown);

}  // namespace zuzazizo
