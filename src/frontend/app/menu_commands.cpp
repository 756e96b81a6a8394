#include "frontend/app/menu_commands.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "core/shell/shell_documents.h"

namespace zuzazizo {

MenuCommands::MenuCommands(QWidget& window, std::string base_dir, WindowCommands own)
    : window_(window),
      base_dir_(std::move(base_dir)),
      own_(std::move(own)),
      popup_(new PopupMenu(
          &window, [this](MenuCommand command) { run(command); },
          [this](std::uint16_t key) { shortcut(key); })),
      open_link_(desktop_link_opener()),
      beep_([] { QApplication::beep(); }) {
    if (own_.popup_opening) QObject::connect(popup_, &QMenu::aboutToShow, own_.popup_opening);
    // A right-click anywhere on the window (or the keyboard's menu key) opens the popup.
    window_.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&window_, &QWidget::customContextMenuRequested, popup_,
                     [this](const QPoint& pos) { popup_->popup(window_.mapToGlobal(pos)); });
    popup_->show_checks(checks_);
}

void MenuCommands::set_check(MenuCommand command, bool checked) {
    checks_.set(command, checked);
    popup_->show_checks(checks_);
}

void MenuCommands::run(MenuCommand command) {
    const auto call = [](const std::function<void()>& action) {
        if (action) action();
    };
    switch (command) {
        case MenuCommand::separator:
            return;
        case MenuCommand::about:
            return about();
        case MenuCommand::readme:
            return readme();
        case MenuCommand::whatsnew:
            return whatsnew();
        case MenuCommand::manual:
            return manual();
        case MenuCommand::config:
            return config();
        case MenuCommand::keys:
            return keys();
        case MenuCommand::hiscore:
            return reset_hiscores();
        case MenuCommand::fullscreen:
            return call(own_.toggle_fullscreen);
        case MenuCommand::splashscreen:
            return call(own_.toggle_splashscreen);
        case MenuCommand::exit:
            return call(own_.exit);
    }
}

bool MenuCommands::shortcut(std::uint16_t key) {
    if (!window_.isEnabled()) return false;
    const std::optional<MenuCommand> command = command_of_shortcut(key);
    if (!command) return false;
    run(*command);
    return true;
}

void MenuCommands::about() {
    if (shell_) shell_->show_about();
}

void MenuCommands::readme() {
    open_document(document_of(MenuCommand::readme));
}

void MenuCommands::whatsnew() {
    open_document(document_of(MenuCommand::whatsnew));
}

void MenuCommands::manual() {
    if (shell_) shell_->show_manual();
}

void MenuCommands::config() {
    open_document(document_of(MenuCommand::config));
}

void MenuCommands::keys() {
    if (!shell_) return;
    shell_->show_keys();
    window_.setEnabled(false);  // the dialog enables the window again however it closes
}

void MenuCommands::reset_hiscores() {
    if (own_.reset_hiscores) own_.reset_hiscores();
    if (beep_) beep_();
}

// The documents lie beside the executable, so they open whatever folder the program was started
// from. A missing document opens nothing and reports nothing, as a failed shell open would.
void MenuCommands::open_document(std::string_view file_name) {
    const QString path = QDir(QString::fromStdString(base_dir_))
                             .absoluteFilePath(QString::fromUtf8(
                                 file_name.data(), static_cast<qsizetype>(file_name.size())));
    if (!QFileInfo::exists(path) || !open_link_) return;
    open_link_(QUrl::fromLocalFile(path));
}

}  // namespace zuzazizo
