// The key settings dialog without its widgets: six lists of the key table's captions, the
// position each list shows, the conflicts among them, and the accept that stores them.
//
// Made once from the bindings when the dialog is made, and never again: a selection left unsaved
// by Escape is what the next opening shows, and a later accept stores it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/input/key_bindings.h"
#include "core/input/key_conflicts.h"

namespace zuzazizo {

// What a key does in the dialog before the focused list sees it: Enter accepts (when accept is
// possible, and is used up either way), Escape closes without saving. Every other key goes on to
// the list.
enum class KeyDialogKey { accept, close };
std::optional<KeyDialogKey> key_dialog_key(std::uint16_t key);

class KeyDialogModel {
  public:
    // Each list shows its slot's choice; a choice outside the table shows nothing.
    explicit KeyDialogModel(const KeyBindings& keys);

    // The items of every list: the captions of the key table in choice order, so the item at
    // position n - 1 is the key of choice number n.
    static const std::vector<std::string>& captions();

    // The position a slot's list shows (0-based); -1 when nothing is selected.
    int selected(int slot) const { return selected_[static_cast<std::size_t>(slot)]; }
    // `cbChange`: a list now shows this position; the conflicts are found again.
    void select(int slot, int position);

    // `CheckKeys`: which labels are marked, and whether any pair shares a key.
    const KeyConflicts& conflicts() const { return conflicts_; }
    bool can_accept() const { return !conflicts_.any; }
    // `btn_acceptClick`: every slot stores the choice its list shows.
    void accept(KeyBindings& keys) const;

  private:
    void check();

    std::array<int, key_slot_count + 1> selected_{};  // [slot 1..6]; entry 0 unused
    KeyConflicts conflicts_;
};

}  // namespace zuzazizo
