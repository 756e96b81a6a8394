#include "frontend/app/popup_menu.h"

#include <QKeyEvent>

#include "frontend/common/held_keys_qt.h"

namespace zuzazizo {

namespace {

constexpr std::uint16_t vk_last_function_key = vk::f12;

}  // namespace

QString qstring_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString shortcut_text(std::uint16_t key) {
    if (key == vk::escape) return QStringLiteral("Esc");
    if (key >= vk::f1 && key <= vk_last_function_key)
        return QStringLiteral("F%1").arg(key - vk::f1 + 1);
    return {};
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
            const QString shortcut = shortcut_text(entry.shortcut);
            if (!shortcut.isEmpty()) text += QLatin1Char('\t') + shortcut;
            action = addAction(text);
            action->setCheckable(entry.checkable);
            const MenuCommand command = entry.command;
            connect(action, &QAction::triggered, this, [run, command] { run(command); });
        }
        action->setObjectName(qstring_of(entry.name));
        items_[i] = action;
    }
    setDefaultAction(item(MenuCommand::about));
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
