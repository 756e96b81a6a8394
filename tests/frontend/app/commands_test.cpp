#include <QContextMenuEvent>
#include <QDir>
#include <QFont>

#include "core/shell/menu_table.h"
#include "form_fixture.h"

namespace zuzazizo {
namespace {

using enum ImageId;
using Commands = FormFixture;

// The popup shows the menu table: each item in its order, with its caption, shortcut and mark.
TEST_F(Commands, ThePopupHoldsTheTablesItemsInMenuOrder) {
    auto form = make_form();
    const PopupMenu& menu = form->pm_0_menu();
    EXPECT_EQ(menu.objectName().toStdString(), "pm_0_menu");
    ASSERT_EQ(menu.actions().size(), static_cast<qsizetype>(menu_item_table.size()));
    for (std::size_t i = 0; i < menu_item_table.size(); ++i) {
        const MenuItem& expected = menu_item_table[i];
        const QAction* item = menu.items()[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(item, menu.actions()[static_cast<qsizetype>(i)]) << "menu_items in menu order";
        EXPECT_EQ(item->objectName().toStdString(), expected.name);
        EXPECT_EQ(item->isSeparator(), expected.command == MenuCommand::separator);
        EXPECT_TRUE(item->isEnabled());
        if (item->isSeparator()) continue;
        EXPECT_EQ(caption_of(item), expected.caption);
        EXPECT_EQ(item->text().section(QLatin1Char('\t'), 1).toStdString(),
                  shortcut_text(expected.shortcut));
        EXPECT_EQ(item->isCheckable(), expected.checkable);
    }
    EXPECT_EQ(menu.defaultAction(), menu.items()[0]) << "About... is the bold default item";
    EXPECT_FALSE(menu.items()[9]->isChecked()) << "the check mark shows windowed mode";
}

TEST_F(Commands, EveryShortcutRunsItsItemAndNoneWhileTheWindowIsDisabled) {
    auto form = make_form();
    for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}) press_key(*form, key);
    EXPECT_EQ(shell.shown, (std::vector<std::string>{"about", "manual"}));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_TRUE(opened[0].endsWith("/Readme.txt"));
    EXPECT_TRUE(opened[1].endsWith("/Whatsnew.txt"));
    press_key(*form, Qt::Key_F12);
    EXPECT_TRUE(form->fullscreen_mode());
    EXPECT_EQ(settings->values["FullscreenMode"], "1");

    form->pm_7_keysClick();
    EXPECT_EQ(shell.shown.back(), "keys");
    EXPECT_FALSE(form->isEnabled()) << "the key settings dialog disables the main window";
    const auto settings_before = settings->values;
    for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F12, Qt::Key_Escape})
        press_key(*form, key);
    EXPECT_EQ(shell.shown.size(), 3u);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_TRUE(form->fullscreen_mode());
    EXPECT_FALSE(form->terminating());
    EXPECT_EQ(settings->values, settings_before);

    form->setEnabled(true);  // as the dialog does when it closes
    press_key(*form, Qt::Key_F1);
    EXPECT_EQ(shell.shown.back(), "about");
}

// Shift+Esc is no Exit and Ctrl+F1 no About; Alt+F4 is the desktop's close, not the manual.
TEST_F(Commands, ShortcutsActOnlyWhenPressedAlone) {
    auto form = make_form();
    form->show();
    const auto settings_before = settings->values;
    for (const Qt::KeyboardModifier modifier :
         {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier}) {
        for (int key :
             {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F12, Qt::Key_Escape}) {
            QKeyEvent down(QEvent::KeyPress, key, modifier);
            QApplication::sendEvent(form.get(), &down);
            QKeyEvent up(QEvent::KeyRelease, key, modifier);
            QApplication::sendEvent(form.get(), &up);
            EXPECT_TRUE(shell.shown.empty()) << modifier << " " << key;
        }
    }
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(form->fullscreen_mode());
    EXPECT_FALSE(form->terminating());
    EXPECT_EQ(settings->values, settings_before);
    EXPECT_FALSE(form->isVisible()) << "Alt+F4 asked the window to close";

    form->show();
    PopupMenu& menu = form->pm_0_menu();
    menu.popup(form->mapToGlobal(QPoint(300, 200)));
    QKeyEvent shift_f4(QEvent::KeyPress, Qt::Key_F4, Qt::ShiftModifier);
    QApplication::sendEvent(&menu, &shift_f4);
    EXPECT_TRUE(shell.shown.empty()) << "nor in the open menu";
    menu.hide();
    form->hide();
}

TEST_F(Commands, AHeldShortcutActsOnce) {
    auto form = make_form();
    // Repeats as a platform without release/press pairs sends them: presses only.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier, QString(), i > 1);
        QApplication::sendEvent(form.get(), &down);
    }
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_F4, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &up);
    EXPECT_EQ(shell.shown, std::vector<std::string>{"manual"});
}

TEST_F(Commands, FunctionKeysActWhileThePopupIsOpenAndEscClosesOnlyThePopup) {
    auto form = make_form();
    form->show();
    PopupMenu& menu = form->pm_0_menu();
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(300, 200),
                                  form->mapToGlobal(QPoint(300, 200)));
    QApplication::sendEvent(form.get(), &right_click);
    ASSERT_TRUE(menu.isVisible());
    press_key(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(form->terminating()) << "Esc in an open menu closes the menu, not the program";

    menu.popup(form->mapToGlobal(QPoint(300, 200)));
    ASSERT_TRUE(menu.isVisible());
    press_key(menu, Qt::Key_F4);
    EXPECT_EQ(shell.shown, std::vector<std::string>{"manual"});
    EXPECT_FALSE(menu.isVisible());

    menu.popup(form->mapToGlobal(QPoint(300, 200)));
    press_key(menu, Qt::Key_F12);
    EXPECT_TRUE(form->fullscreen_mode());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(menu.items()[9]->isChecked());
    form->hide();
}

TEST_F(Commands, DocumentsOpenBesideTheExecutableWhateverTheWorkingFolder) {
    const QString previous = QDir::currentPath();
    QTemporaryDir elsewhere;
    QFile decoy(QDir(elsewhere.path()).filePath("Readme.txt"));
    ASSERT_TRUE(decoy.open(QIODevice::WriteOnly));
    decoy.close();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    auto form = make_form();
    form->pm_2_readmeClick();
    form->pm_3_whatsnewClick();
    form->pm_6_configClick();
    QDir::setCurrent(previous);
    const QDir bin(QStringLiteral(ZUZAZIZO_BIN_DIR));
    EXPECT_EQ(opened, (std::vector<QString>{bin.absoluteFilePath("Readme.txt"),
                                            bin.absoluteFilePath("Whatsnew.txt"),
                                            bin.absoluteFilePath("Config.ini")}));
}

TEST_F(Commands, AMissingDocumentOpensNothingAndReportsNothing) {
    auto form = make_form(write_config(""));
    form->pm_2_readmeClick();
    form->pm_3_whatsnewClick();
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(errors.empty());
    form->pm_6_configClick();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QDir(dir.path()).absoluteFilePath("Config.ini"));
}

TEST_F(Commands, ResetHiscoresWritesZeroToBothAndBeepsOncePerUse) {
    initial["HiScore1"] = "750";
    initial["HiScore2"] = "$64";
    auto form = make_form();
    form->engine().set_mode(mode_game_a_ready);  // the panel shows the old high score
    const auto panel = [&form] {
        std::vector<PicturePtr> pictures;
        for (ImageId id : {im_panel_digit_pos_1, im_panel_digit_pos_2, im_panel_digit_pos_3,
                           im_panel_digit_pos_4})
            pictures.push_back(form->images()[id].picture);
        return pictures;
    };
    const auto shown = panel();
    ASSERT_NE(shown[1], nullptr);
    form->pm_0_menu().items()[7]->trigger();
    EXPECT_EQ(settings->values["HiScore1"], "0");
    EXPECT_EQ(settings->values["HiScore2"], "0");
    EXPECT_EQ(form->engine().state.hiscore_1, 0);
    EXPECT_EQ(form->engine().state.hiscore_2, 0);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(panel(), shown) << "the display is not redrawn";
    form->pm_8_hiscoreClick();
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(settings->values["HiScore1"], "0");
}

TEST_F(Commands, TheSplashItemFollowsTheStoreAndItsOwnClicks) {
    initial["SplashScreen"] = "0";
    auto form = make_form();
    QAction* item = form->pm_0_menu().items()[10];
    form->set_splash_menu_checked(true);
    form->pm_0_menuPopup();
    EXPECT_FALSE(item->isChecked()) << "refreshed from the store when the popup opens";

    item->trigger();  // Qt flips the mark itself before the action runs
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(form->splash_menu_checked());
    EXPECT_EQ(settings->values["SplashScreen"], "1");
    form->pm_11_splashscreenClick();
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(settings->values["SplashScreen"], "0");

    settings->values.erase("SplashScreen");
    form->pm_0_menuPopup();
    EXPECT_TRUE(item->isChecked()) << "no stored value and no splash screen: the default";
}

TEST_F(Commands, ExitAndEscEndTheProgramWithoutWritingAnything) {
    for (bool by_menu : {true, false}) {
        auto form = make_form();
        const auto before = settings->values;
        if (by_menu) {
            form->pm_0_menu().items()[12]->trigger();
        } else {
            press_key(*form, Qt::Key_Escape);
        }
        EXPECT_TRUE(form->terminating());
        EXPECT_EQ(settings->values, before);
        EXPECT_EQ(beeps, 0);
    }
}

}  // namespace
}  // namespace zuzazizo
