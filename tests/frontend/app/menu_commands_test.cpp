// The menu commands on a bare window: each item reaches exactly its own action, the shortcuts rest
// while the window is disabled, and the check marks show the model's.
#include "frontend/app/menu_commands.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/qt_app.h"

namespace zuzazizo {
namespace {

struct Recorder final : ShellHost {
    void show_about() override { log.push_back("about"); }
    void show_manual() override { log.push_back("manual"); }
    void show_keys() override { log.push_back("keys"); }
    std::vector<std::string> log;
};

struct MenuCommandsTest : ::testing::Test {
    MenuCommandsTest() {
        for (const char* name : {"Readme.txt", "Whatsnew.txt", "Config.ini"}) {
            QFile file(QDir(dir.path()).filePath(QString::fromLatin1(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        commands.set_shell(&shell);
        commands.set_link_opener([this](const QUrl& url) {
            shell.log.push_back("open " + QFileInfo(url.toLocalFile()).fileName().toStdString());
        });
        commands.set_beeper([this] { shell.log.push_back("beep"); });
    }
    WindowCommands own() {
        const auto note = [this](const char* what) {
            return [this, what] { shell.log.push_back(what); };
        };
        return {note("reset"), note("fullscreen"), note("splash"), note("exit"), note("popup")};
    }

    QApplication& app = ensure_qapp();  // before the window
    QTemporaryDir dir;
    QWidget window;
    Recorder shell;
    MenuCommands commands{window, dir.path().toStdString(), own()};
};

TEST_F(MenuCommandsTest, EachItemRunsItsOwnActionAndSeparatorsNone) {
    const std::vector<std::vector<std::string>> expected = {{"about"},
                                                            {"open Readme.txt"},
                                                            {"open Whatsnew.txt"},
                                                            {"manual"},
                                                            {},
                                                            {"open Config.ini"},
                                                            {"keys"},
                                                            {"reset", "beep"},
                                                            {},
                                                            {"fullscreen"},
                                                            {"splash"},
                                                            {},
                                                            {"exit"}};
    for (std::size_t i = 0; i < menu_item_table.size(); ++i) {
        shell.log.clear();
        window.setEnabled(true);
        commands.run(menu_item_table[i].command);
        EXPECT_EQ(shell.log, expected[i]) << menu_item_table[i].name;
        shell.log.clear();
        if (menu_item_table[i].command == MenuCommand::separator) continue;
        commands.popup().items()[i]->trigger();
        EXPECT_EQ(shell.log, expected[i]) << menu_item_table[i].name << " chosen in the popup";
    }
}

TEST_F(MenuCommandsTest, ShortcutsRunTheirItemsOnlyWhileTheWindowIsEnabled) {
    EXPECT_TRUE(commands.shortcut(vk::f4));
    EXPECT_TRUE(commands.shortcut(vk::f12));
    EXPECT_FALSE(commands.shortcut(vk::enter));
    EXPECT_FALSE(commands.shortcut(0));
    EXPECT_EQ(shell.log, (std::vector<std::string>{"manual", "fullscreen"}));
    commands.keys();
    EXPECT_FALSE(window.isEnabled()) << "the key settings dialog disables the window";
    shell.log.clear();
    for (std::uint16_t key : {vk::f1, vk::f2, vk::f12, vk::escape})
        EXPECT_FALSE(commands.shortcut(key)) << key;
    EXPECT_TRUE(shell.log.empty());
}

TEST_F(MenuCommandsTest, WithoutItsWindowsOrDocumentsACommandDoesNothing) {
    MenuCommands bare(window, (dir.path() + "/elsewhere").toStdString(), own());
    bare.set_link_opener([this](const QUrl&) { shell.log.push_back("opened"); });
    for (MenuCommand command : {MenuCommand::about, MenuCommand::manual, MenuCommand::keys,
                                MenuCommand::readme, MenuCommand::config})
        bare.run(command);
    EXPECT_TRUE(shell.log.empty());
    EXPECT_TRUE(window.isEnabled()) << "no dialog opened, so the window stays usable";
}

TEST_F(MenuCommandsTest, MarksFollowTheModelAndTheWindowsRightClickOpensThePopup) {
    const PopupMenu& popup = commands.popup();
    const QAction* fullscreen = popup.item(MenuCommand::fullscreen);
    const QAction* splash = popup.item(MenuCommand::splashscreen);
    EXPECT_FALSE(fullscreen->isChecked());
    EXPECT_TRUE(splash->isChecked()) << "the splash screen shows unless switched off";
    commands.set_check(MenuCommand::fullscreen, true);
    commands.set_check(MenuCommand::splashscreen, false);
    EXPECT_TRUE(fullscreen->isChecked());
    EXPECT_FALSE(splash->isChecked());
    EXPECT_TRUE(commands.checks().fullscreen);
    EXPECT_FALSE(commands.checks().splashscreen);

    window.show();
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  window.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&window, &right_click);
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(shell.log, std::vector<std::string>{"popup"}) << "pm_0_menuPopup ran first";
    commands.popup().hide();
    window.hide();
}

}  // namespace
}  // namespace zuzazizo
