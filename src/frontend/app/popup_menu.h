// `pm_0_menu`: the right-click menu of the main window, built from the table of its items.
//
// A plain QMenu takes the keyboard while it is open, so the main window would never see the
// F-keys then. This menu hands every shortcut key but Esc to the window after closing itself; Esc
// keeps its meaning of every desktop menu and closes the menu only.
#pragma once

#include <QMenu>
#include <array>
#include <cstdint>
#include <functional>

#include "core/shell/menu_table.h"

namespace zuzazizo {

class PopupMenu final : public QMenu {
    Q_OBJECT

  public:
    using ShortcutHandler = std::function<void(std::uint16_t key)>;
    using Items = std::array<QAction*, menu_item_table.size()>;

    // Builds the items of `menu_item_table` in order; `run(command)` is called when one of them
    // is chosen, `on_shortcut(key)` for a shortcut key pressed while the menu is open.
    PopupMenu(QWidget* parent, std::function<void(MenuCommand)> run, ShortcutHandler on_shortcut);

    // `menu_items`: the thirteen items in menu order, separators included.
    const Items& items() const { return items_; }
    QAction* item(MenuCommand command) const { return items_[menu_index_of(command)]; }
    // Sets the check marks of the checkable items.
    void show_checks(const MenuChecks& checks);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Items items_{};
    ShortcutHandler on_shortcut_;
};

// An item's caption or name as Qt text.
QString qstring_of(std::string_view text);

}  // namespace zuzazizo
