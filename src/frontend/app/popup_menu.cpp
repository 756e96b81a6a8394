#include "frontend/app/popup_menu.h"

#include <QKeyEvent>

#include "frontend/common/held_keys_qt.h"
#include "frontend/common/key_codes_qt.h"

namespace zuzazizo {

QString qstring_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

PopupMenu::PopupMenu(QWidget* parent, std::function<void(MenuCommand)> run,
                     ShortcutHandler on_shortcut)
    : QMenu(parent), on_shortcut_(std::move(on_shortcut)) {
    setObjectName(QStringLiteral("pm_0_menu"));
    for (std::size_t i = 0; i < menu_item_table.size(); ++i) {
        const MenuItem& entry = menu_item_table[i];
        QAction* action = nullptr;
        if (entry.command == MenuCommand::separator) {
            action = addSeparator();
        } else {
            // The shortcut is shown after a tab, in the menu's right-aligned shortcut column,
            // but not registered with Qt: the main window handles the keys itself, so they work
            // exactly while it has the keyboard and is enabled.
            QString text = qstring_of(entry.caption);
            text.replace(QLatin1Char('&'), QStringLiteral("&&"));  // no accelerator characters
            const QString shortcut = QString::fromStdString(shortcut_text(entry.shortcut));
            if (!shortcut.isEmpty()) text += QLatin1Char('\t') + shortcut;
            action = addAction(text);
            action->setCheckable(entry.checkable);
            const MenuCommand command = entry.command;
            connect(action, &QAction::triggered, this, [run, command] { run(command); });
        }
        action->setObjectName(qstring_of(entry.name));
        items_[i] = action;
    }
    setDefaultAction(item(default_menu_command));
}

// Qt flips a checkable item before its action runs; the action then sets the mark from the state
// it has just changed, so the marks always show the model's.
void PopupMenu::show_checks(const MenuChecks& checks) {
    for (std::size_t i = 0; i < menu_item_table.size(); ++i) {
        if (menu_item_table[i].checkable)
            items_[i]->setChecked(checks.checked(menu_item_table[i].command));
    }
}

void PopupMenu::keyPressEvent(QKeyEvent* event) {
    const std::uint16_t key = virtual_key_of(*event);
    // A shortcut is its key alone, as in the main window.
    if (key != vk::escape && !event->isAutoRepeat() && pressed_alone(event->modifiers()) &&
        command_of_shortcut(key)) {
        hide();
        if (on_shortcut_) on_shortcut_(key);
        return;
    }
    QMenu::keyPressEvent(event);
}

}  // namespace zuzazizo
