// The key settings dialog against the real main window: conflicts, accept, Escape, the keys it
// binds, and the main window enabled again however the dialog closes.
#include "frontend/windows/keys.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

using enum ImageId;

// Choice numbers of the key table, as list positions + 1.
constexpr int choice_1 = 2;
constexpr int choice_q = 27;
constexpr int choice_up_arrow = 37;
constexpr int choice_alt = 41;
constexpr int choice_shift = 43;

class KeysDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_qapp();
        auto backend = std::make_unique<MemorySettingsBackend>();
        backend->values = {{"FullscreenMode", "0"}};
        settings = backend.get();
        form = std::make_unique<TForm1>(FormOptions{std::move(backend), ZUZAZIZO_BIN_DIR},
                                        ErrorReport([](const QString&) {}));
        dialog = std::make_unique<TKeysForm>(form->key_bindings(), form->image_model(), form.get());
    }

    // As the menu opens it: the main window disabled, the dialog shown.
    void open() {
        form->setEnabled(false);
        dialog->show();
    }
    void choose(QComboBox* list, int choice) { list->setCurrentIndex(choice - 1); }
    bool red(const QLabel* label) const {
        return label->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }
    std::vector<const QLabel*> red_labels() const {
        std::vector<const QLabel*> marked;
        for (const QLabel* label :
             {dialog->la_1, dialog->la_2, dialog->la_3, dialog->la_4, dialog->la_5, dialog->la_6}) {
            if (red(label)) marked.push_back(label);
        }
        return marked;
    }
    void key_to_main(int qt_key, QEvent::Type type) {
        QKeyEvent event(type, qt_key, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &event);
    }
    // In a game with the batter in the centre; true when a press of the key moved it left.
    bool key_moves_left(int qt_key) {
        form->engine().state.hero_active = true;
        form->engine().state.hero_pos = 2;
        key_to_main(qt_key, QEvent::KeyPress);
        key_to_main(qt_key, QEvent::KeyRelease);
        return form->engine().state.hero_pos == 1;
    }

    MemorySettingsBackend* settings = nullptr;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TKeysForm> dialog;
};

TEST_F(KeysDialog, TheDesignedFormWithTheBindingsSelected) {
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Key settings");
    EXPECT_EQ(dialog->size(), QSize(448, 195));
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(dialog->cb_1->count(), 44);
    EXPECT_EQ(dialog->cb_6->itemText(43), "<SPACEBAR>");
    EXPECT_EQ(dialog->cb_4->currentText(), "5");
    EXPECT_EQ(dialog->cb_5->currentText(), "<LEFT ARROW>");
    EXPECT_EQ(dialog->cb_5->geometry(), QRect(320, 29, 120, 21));
    EXPECT_EQ(dialog->la_5->text(), "Left");
    EXPECT_EQ(dialog->btn_accept->text(), "- ACCEPT -");
    EXPECT_EQ(dialog->btn_accept->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(dialog->btn_accept->isEnabled());
    EXPECT_TRUE(red_labels().empty());
    EXPECT_EQ(dialog->cb_3->nextInFocusChain(), dialog->cb_4);
    dialog->FormActivate();
    EXPECT_EQ(dialog->focusWidget(), dialog->cb_1);
}

TEST_F(KeysDialog, TwoListsOnOneKeyAreRedAndEnterIsRefused) {
    open();
    choose(dialog->cb_4, choice_1);
    EXPECT_EQ(red_labels(), (std::vector<const QLabel*>{dialog->la_1, dialog->la_4}));
    EXPECT_FALSE(dialog->btn_accept->isEnabled());
    QTest::keyClick(dialog->cb_4, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible()) << "Enter does nothing in conflict";
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(settings->values["Key4"], "6");

    choose(dialog->cb_4, choice_q);
    EXPECT_TRUE(red_labels().empty());
    EXPECT_TRUE(dialog->btn_accept->isEnabled());
    QTest::keyClick(dialog->cb_4, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(settings->values["Key4"], "27");
}

TEST_F(KeysDialog, MovingOneOfThreeAwayLeavesTheOtherTwoRed) {
    open();
    choose(dialog->cb_2, choice_1);
    choose(dialog->cb_6, choice_1);
    EXPECT_EQ(red_labels(), (std::vector<const QLabel*>{dialog->la_1, dialog->la_2, dialog->la_6}));
    choose(dialog->cb_2, choice_q);
    EXPECT_EQ(red_labels(), (std::vector<const QLabel*>{dialog->la_1, dialog->la_6}));
    EXPECT_FALSE(dialog->btn_accept->isEnabled());
}

TEST_F(KeysDialog, LeftOnTheUpArrowIsSavedHintedAndMovesLeft) {
    open();
    choose(dialog->cb_5, choice_up_arrow);
    QTest::mouseClick(dialog->btn_accept, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(settings->values["Key5"], "37");
    EXPECT_EQ(form->images()[btn_left_top].hint, "click or press 'up arrow' key");
    EXPECT_TRUE(key_moves_left(Qt::Key_Up));
    EXPECT_FALSE(key_moves_left(Qt::Key_Left)) << "the old key is free again";
}

TEST_F(KeysDialog, AModifierAloneWorksTheButtonItIsBoundTo) {
    for (const auto& [choice, qt_key] :
         {std::pair{choice_alt, Qt::Key_Alt}, std::pair{choice_shift, Qt::Key_Shift}}) {
        open();
        choose(dialog->cb_5, choice);
        dialog->btn_acceptClick();
        EXPECT_TRUE(key_moves_left(qt_key)) << choice;
    }
}

TEST_F(KeysDialog, EscapeKeepsTheUnsavedSelectionAndChangesNoBinding) {
    open();
    choose(dialog->cb_5, choice_up_arrow);
    QTest::keyClick(dialog->cb_5, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(settings->values["Key5"], "39");
    EXPECT_TRUE(key_moves_left(Qt::Key_Left));
    EXPECT_FALSE(key_moves_left(Qt::Key_Up));
    open();
    EXPECT_EQ(dialog->cb_5->currentText(), "<UP ARROW>") << "shown again at the next opening";
}

TEST_F(KeysDialog, ThePlatformsCloseCommandActsLikeEscape) {
    open();
    choose(dialog->cb_1, choice_q);
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(settings->values["Key1"], "2");
}

}  // namespace
}  // namespace zuzazizo
