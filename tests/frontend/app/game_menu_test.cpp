#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QLabel>

#include "form_fixture.h"
#include "frontend/app/game_menu.h"

namespace zuzazizo {
namespace {

using enum ImageId;

struct GameMenuTest : FormFixture {
    GameMenuTest() { initial["FullscreenMode"] = "1"; }

    std::unique_ptr<TForm1> open_menu() {
        auto form = make_form();
        form->power_on();
        click_at(*form, QPoint(18, 16));  // the menu button at the top-left corner
        EXPECT_TRUE(form->game_menu_open());
        return form;
    }
    static QLabel& row(const TForm1& form, int number) {  // counted from 1, as the items are
        return *form.game_menu().menu_labels().at(static_cast<std::size_t>(number - 1));
    }
    static std::size_t labels_alive(const TForm1& form) {
        run_deferred_deletes();
        return static_cast<std::size_t>(form.findChildren<QLabel*>().size());
    }
};

Rect background(const TForm1& form) {
    return form.images()[btn_game_menu_background].bounds;
}

TEST_F(GameMenuTest, TheButtonUnfoldsThirteenRowsAndFoldsThemAgain) {
    auto form = open_menu();
    EXPECT_EQ(background(*form), (Rect{0, 0, 256, 448}));
    ASSERT_EQ(form->game_menu().menu_labels().size(), 13u);
    for (int i = 1; i <= 13; ++i)
        EXPECT_EQ(row(*form, i).geometry(), QRect(0, 32 * i, 256, 32)) << "row " << i;
    EXPECT_EQ(row(*form, 1).text().toStdString(), "   About...");
    EXPECT_EQ(row(*form, 8).text().toStdString(), "   Reset Hiscores");
    EXPECT_EQ(row(*form, 13).text().toStdString(), "   Exit");
    EXPECT_EQ(row(*form, 1).font().family(), QFont(QStringLiteral("Arial")).family());
    EXPECT_LE(QFontMetrics(row(*form, 1).font()).height(), 16) << "a 16-pixel cell";
    EXPECT_EQ(row(*form, 1).palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(row(*form, 1).cursor().shape(), Qt::PointingHandCursor);

    click_at(*form, QPoint(18, 16));
    EXPECT_FALSE(form->game_menu_open());
    EXPECT_EQ(background(*form), (Rect{0, 0, 36, 32}));
    EXPECT_TRUE(form->game_menu().menu_labels().empty());
    EXPECT_EQ(labels_alive(*form), 0u);
}

TEST_F(GameMenuTest, ChecksAreThoseOfTheItemsWhenTheMenuOpened) {
    auto form = make_form();
    form->power_on();
    form->set_splash_menu_checked(false);
    form->btn_game_menu_topClick();
    EXPECT_EQ(row(*form, 10).text().toStdString(), "   Display in fullscreen mode [V]");
    EXPECT_EQ(row(*form, 11).text().toStdString(), "   Display splash screen at startup");
    form->set_splash_menu_checked(true);
    EXPECT_EQ(row(*form, 11).text().toStdString(), "   Display splash screen at startup")
        << "not updated while open";
    form->btn_game_menu_topClick();
    form->btn_game_menu_topClick();
    EXPECT_EQ(row(*form, 11).text().toStdString(), "   Display splash screen at startup [V]");
}

TEST_F(GameMenuTest, ARightClickFoldsTheMenuAndShowsThePopup) {
    auto form = open_menu();
    form->show();
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(100, 100),
                                  form->mapToGlobal(QPoint(100, 100)));
    QApplication::sendEvent(form.get(), &right_click);
    EXPECT_TRUE(form->pm_0_menu().isVisible());
    EXPECT_FALSE(form->game_menu_open());
    EXPECT_EQ(background(*form), (Rect{0, 0, 36, 32}));
    EXPECT_EQ(labels_alive(*form), 0u);
    form->pm_0_menu().hide();
    form->hide();
}

TEST_F(GameMenuTest, F12WithTheMenuOpenSwitchesAndLeavesNoRows) {
    auto form = open_menu();
    press_key(*form, Qt::Key_F12);
    EXPECT_FALSE(form->fullscreen_mode());
    EXPECT_FALSE(form->game_menu_open());
    EXPECT_EQ(labels_alive(*form), 0u);
}

TEST_F(GameMenuTest, TheFullscreenRowGivesTheCentredShapedWindow) {
    auto form = open_menu();
    QLabel& fullscreen_row = row(*form, 10);
    click_at(fullscreen_row, QPoint(100, 16));
    EXPECT_FALSE(form->fullscreen_mode());
    EXPECT_EQ(settings->values["FullscreenMode"], "0");
    EXPECT_EQ(form->size(), QSize(609, 377));
    const QRect screen = form->screen()->geometry();
    EXPECT_EQ(form->pos(), QPoint((screen.width() - 609) / 2, (screen.height() - 377) / 2));
    EXPECT_FALSE(form->mask().isEmpty());
    EXPECT_FALSE(form->images()[btn_game_menu_top].visible);
    EXPECT_FALSE(form->game_menu_open());
    EXPECT_EQ(labels_alive(*form), 0u) << "deleted once the row's own event was over";
}

TEST_F(GameMenuTest, ARowRunsItsActionOnTheClickAndClosesOnTheLeftRelease) {
    auto form = open_menu();
    click_at(row(*form, 8), QPoint(100, 16), Qt::RightButton);
    EXPECT_TRUE(form->game_menu_open()) << "another button does nothing";
    EXPECT_EQ(beeps, 0);

    click_at(row(*form, 8), QPoint(100, 16));
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(form->game_menu_open());

    form->btn_game_menu_topClick();
    QLabel& about = row(*form, 1);
    send_mouse_at(about, QEvent::MouseButtonPress, QPoint(100, 16), Qt::LeftButton);
    send_mouse_at(about, QEvent::MouseButtonRelease, QPoint(100, 70), Qt::LeftButton);
    EXPECT_TRUE(shell.shown.empty()) << "released off the row: no click";
    EXPECT_FALSE(form->game_menu_open()) << "but the release closes the menu";
}

TEST_F(GameMenuTest, SeparatorRowsDoNotReact) {
    auto form = open_menu();
    const auto settings_before = settings->values;
    for (int number : {5, 9, 12}) {
        QLabel& gap = row(*form, number);
        EXPECT_TRUE(gap.text().isEmpty());
        QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
        QApplication::sendEvent(&gap, &enter);
        EXPECT_FALSE(gap.autoFillBackground()) << "row " << number;
        EXPECT_EQ(gap.cursor().shape(), Qt::ArrowCursor);
        click_at(gap, QPoint(100, 16));
        EXPECT_TRUE(form->game_menu_open()) << "row " << number;
    }
    EXPECT_EQ(settings->values, settings_before);
    EXPECT_TRUE(shell.shown.empty());
    EXPECT_EQ(beeps, 0);
}

TEST_F(GameMenuTest, ThePointerOverARowShowsTheOpaqueBar) {
    auto form = open_menu();
    QLabel& about = row(*form, 1);
    EXPECT_FALSE(about.autoFillBackground());
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QApplication::sendEvent(&about, &enter);
    EXPECT_TRUE(about.autoFillBackground());
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::black));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&about, &leave);
    EXPECT_FALSE(about.autoFillBackground());
}

TEST_F(GameMenuTest, ThePictureHasAnOpaqueTitleRowOverADarkPanel) {
    const QImage picture = game_menu_picture();
    EXPECT_EQ(picture.size(), QSize(256, 512));
    EXPECT_EQ(picture.pixelColor(250, 1), QColor(0, 0, 0, 255));
    EXPECT_EQ(picture.pixelColor(128, 300).alpha(), 204);
    EXPECT_EQ(picture.pixelColor(128, 300).black(), 255);
    const auto bright_pixels = [&picture](QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (picture.pixelColor(x, y).lightness() > 128) ++count;
        return count;
    };
    EXPECT_GT(bright_pixels(QRect(0, 0, 36, 32)), 100) << "the three bars within the button";
    EXPECT_GT(bright_pixels(QRect(36, 0, 220, 32)), 50) << "the title";
    EXPECT_EQ(bright_pixels(QRect(0, 32, 256, 480)), 0);
}

TEST_F(GameMenuTest, TheWindowDrawsThePanelOnlyWhileOpen) {
    auto form = make_form();
    form->power_on();
    const QImage closed = form->grab().toImage();
    form->btn_game_menu_topClick();
    const QImage open = form->grab().toImage();
    // The panel is black at alpha 204: a fifth of what lies behind it shows through.
    for (const QPoint& p : {QPoint(100, 200), QPoint(4, 40), QPoint(250, 440)}) {
        const QColor behind = closed.pixelColor(p);
        const QColor seen = open.pixelColor(p);
        EXPECT_NEAR(seen.red(), behind.red() * 51 / 255, 2) << p.x() << "," << p.y();
        EXPECT_NEAR(seen.green(), behind.green() * 51 / 255, 2);
        EXPECT_NEAR(seen.blue(), behind.blue() * 51 / 255, 2);
    }
    EXPECT_EQ(open.pixelColor(250, 5), QColor(Qt::black)) << "the title row is opaque";
    EXPECT_EQ(open.pixelColor(100, 460), closed.pixelColor(100, 460)) << "clipped at 448";
}

// The menu on a bare window: a click on its button is a left press and release both on it, and
// its rows run their items and close it.
TEST(GameMenuAlone, AClickIsALeftPressAndReleaseOnTheButtonAndARowRunsItsItem) {
    ensure_qapp();
    QWidget window;
    ImageModel images;
    std::vector<std::size_t> ran;
    GameMenu menu(window, images, [&](std::size_t row) { ran.push_back(row); });
    const struct {
        std::optional<ImageId> pressed;
        bool left;
        std::optional<ImageId> released;
        bool click;
    } cases[] = {
        {btn_game_menu_top, true, btn_game_menu_top, true},
        {btn_game_menu_top, false, btn_game_menu_top, false},
        {btn_game_menu_top, true, im_background, false},
        {im_background, true, btn_game_menu_top, false},
        {std::nullopt, true, btn_game_menu_top, false},
    };
    for (const auto& c : cases) {
        menu.button_press(c.pressed, c.left);
        EXPECT_EQ(menu.button_release(c.released), c.click);
        EXPECT_FALSE(menu.button_release(c.released)) << "one release per press";
    }

    menu.toggle({.fullscreen = true, .splashscreen = false});
    ASSERT_TRUE(menu.is_open());
    ASSERT_EQ(menu.menu_labels().size(), 13u);
    EXPECT_EQ(menu.menu_labels()[9]->text().toStdString(), "   Display in fullscreen mode [V]");
    EXPECT_EQ(images[btn_game_menu_background].bounds, (Rect{0, 0, 256, 448}));
    window.show();
    click_at(*menu.menu_labels()[3], QPoint(20, 16));
    EXPECT_EQ(ran, std::vector<std::size_t>{3});
    EXPECT_FALSE(menu.is_open()) << "the release closed the menu";
    EXPECT_EQ(images[btn_game_menu_background].bounds, (Rect{0, 0, 36, 32}));
    window.hide();
}

}  // namespace
}  // namespace zuzazizo
