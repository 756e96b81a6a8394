// The main window's commands: the popup menu, its item actions, their shortcuts and the in-window
// game menu that offers the same items in fullscreen mode.
#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>

#include "core/skin/skin_paths.h"
#include "frontend/app/popup_menu.h"
#include "frontend/app/unit1.h"
#include "frontend/skin/picture_loader_qt.h"
#include "frontend/windows/splash.h"

namespace zuzazizo {

namespace {

constexpr const char* readme_file = "Readme.txt";
constexpr const char* whatsnew_file = "Whatsnew.txt";
constexpr const char* checked_row_suffix = " [V]";
constexpr const char* row_indent = "   ";

}  // namespace

void TForm1::build_menus() {
    pm_0_menu_ = new PopupMenu(
        this, [this](MenuCommand command) { run_command(command); },
        [this](std::uint16_t key) { handle_shortcut(key); });
    connect(pm_0_menu_, &QMenu::aboutToShow, this, [this] { pm_0_menuPopup(); });
    set_splash_menu_checked(splash_menu_checked_);
}

// The game menu's picture is drawn with text, which loads the font database: a cost the windowed
// mode, where the game menu is never shown, does not pay at all.
void TForm1::draw_game_menu_picture() {
    if (images_[ImageId::btn_game_menu_background].picture) return;
    images_.set_picture(ImageId::btn_game_menu_background,
                        std::make_shared<QtPicture>(game_menu_picture()));
}

// The check marks are kept beside their items: Qt flips a checkable item before its action
// runs, so each action sets the mark from the state it has just changed.
void TForm1::set_fullscreen_check(bool checked) {
    pm_0_menu_->item(MenuCommand::fullscreen)->setChecked(checked);
}

void TForm1::set_splash_menu_checked(bool checked) {
    splash_menu_checked_ = checked;
    pm_0_menu_->item(MenuCommand::splashscreen)->setChecked(checked);
}

bool TForm1::handle_shortcut(std::uint16_t key) {
    // While the key settings dialog is open the window is disabled and its shortcuts rest.
    if (!isEnabled()) return false;
    const std::optional<MenuCommand> command = command_of_shortcut(key);
    if (!command) return false;
    run_command(*command);
    return true;
}

void TForm1::run_command(MenuCommand command) {
    switch (command) {
        case MenuCommand::separator:
            return;
        case MenuCommand::about:
            return pm_1_aboutClick();
        case MenuCommand::readme:
            return pm_2_readmeClick();
        case MenuCommand::whatsnew:
            return pm_3_whatsnewClick();
        case MenuCommand::manual:
            return pm_4_manualClick();
        case MenuCommand::config:
            return pm_6_configClick();
        case MenuCommand::keys:
            return pm_7_keysClick();
        case MenuCommand::hiscore:
            return pm_8_hiscoreClick();
        case MenuCommand::fullscreen:
            return pm_10_fullscreenClick();
        case MenuCommand::splashscreen:
            return pm_11_splashscreenClick();
        case MenuCommand::exit:
            return pm_14_exitClick();
    }
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    pm_0_menu_->popup(event->globalPos());
    event->accept();
}

void TForm1::pm_0_menuPopup() {
    const bool box_checked =
        splash_ ? splash_->chb_splashscreen->isChecked() : settings::splash_screen_default;
    set_splash_menu_checked(settings_.read_bool(settings::splash_screen, box_checked));
    if (fullscreen_mode_ && game_menu_open_) {
        game_menu_open_ = false;
        Vid_Display_Game_Menu();
    }
}

void TForm1::pm_1_aboutClick() {
    if (shell_) shell_->show_about();
}

void TForm1::pm_2_readmeClick() {
    open_document(readme_file);
}

void TForm1::pm_3_whatsnewClick() {
    open_document(whatsnew_file);
}

void TForm1::pm_4_manualClick() {
    if (shell_) shell_->show_manual();
}

void TForm1::pm_6_configClick() {
    open_document(config_file_name.data());  // a literal: the view ends at its terminator
}

void TForm1::pm_7_keysClick() {
    if (!shell_) return;
    shell_->show_keys();
    setEnabled(false);  // the dialog enables the window again however it closes
}

void TForm1::pm_8_hiscoreClick() {
    // No confirmation and no redraw: the panel shows the new values when next asked to.
    engine_.reset_hiscores();
    if (beep_) beep_();
}

void TForm1::pm_10_fullscreenClick() {
    set_fullscreen_mode(!fullscreen_mode_);
}

void TForm1::pm_11_splashscreenClick() {
    set_splash_menu_checked(!splash_menu_checked_);
    settings_.write_bool(settings::splash_screen, splash_menu_checked_);
}

void TForm1::pm_14_exitClick() {
    terminate();
}

// The documents lie beside the executable, so they open whatever folder the program was started
// from. A missing document opens nothing and reports nothing, as a failed shell open would.
void TForm1::open_document(const char* file_name) {
    const QString path =
        QDir(QString::fromStdString(base_dir_)).absoluteFilePath(QString::fromLatin1(file_name));
    if (!QFileInfo::exists(path) || !open_link_) return;
    open_link_(QUrl::fromLocalFile(path));
}

void TForm1::btn_game_menu_topClick() {
    game_menu_open_ = !game_menu_open_;
    Vid_Display_Game_Menu();
}

void TForm1::Vid_Display_Game_Menu() {
    if (!game_menu_open_) {
        game_menu_.close();
        return;
    }
    // The rows show the items as they are now; they are not updated while the menu stays open.
    std::vector<GameMenuRow> rows;
    for (std::size_t i = 0; i < menu_item_table.size(); ++i) {
        const MenuItem& entry = menu_item_table[i];
        const QAction* item = pm_0_menu_->items()[i];
        if (entry.command == MenuCommand::separator) {
            rows.push_back({QString(), false, false});
            continue;
        }
        QString text = QString::fromLatin1(row_indent) + qstring_of(entry.caption);
        if (item->isChecked()) text += QString::fromLatin1(checked_row_suffix);
        rows.push_back({text, true, item->isEnabled()});
    }
    game_menu_.open(rows);
}

}  // namespace zuzazizo
