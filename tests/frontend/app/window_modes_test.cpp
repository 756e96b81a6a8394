#include <QGuiApplication>
#include <QScreen>

#include "form_fixture.h"

namespace zuzazizo {
namespace {

using enum ImageId;
using WindowModes = FormFixture;

QRect screen_rect() {
    return QGuiApplication::primaryScreen()->geometry();
}

QPoint centred(const QSize& size) {
    const QRect screen = screen_rect();
    return {std::max((screen.width() - size.width()) / 2, 0),
            std::max((screen.height() - size.height()) / 2, 0)};
}

// The window manager learns the mode from the window's state: in fullscreen it then covers the
// panels, and a compositor that places windows itself puts it at the origin.
TEST_F(WindowModes, TheFullscreenModeIsTheWindowsFullscreenStateInEveryWayItIsReached) {
    initial["FullscreenMode"] = "1";
    auto form = make_form();
    form->power_on();
    EXPECT_TRUE(form->windowState().testFlag(Qt::WindowFullScreen)) << "at start";
    press_key(*form, Qt::Key_F12);
    EXPECT_FALSE(form->windowState().testFlag(Qt::WindowFullScreen)) << "windowed";
    EXPECT_EQ(form->pos(), centred(form->size()));
    press_key(*form, Qt::Key_F12);
    EXPECT_TRUE(form->windowState().testFlag(Qt::WindowFullScreen)) << "after F12";
    EXPECT_EQ(form->geometry(), screen_rect());
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent ctrl_plus(type, Qt::Key_Plus, Qt::ControlModifier, "+");
        QApplication::sendEvent(form.get(), &ctrl_plus);
    }
    EXPECT_NE(form->fullscreen_scale(), FullscreenScale::as_laid_out);
    EXPECT_TRUE(form->windowState().testFlag(Qt::WindowFullScreen)) << "after a new scale";
}

TEST_F(WindowModes, F12SwitchesBetweenTheShapedWindowAndTheWholeScreen) {
    auto form = make_form();
    form->power_on();
    press_key(*form, Qt::Key_F12);
    EXPECT_TRUE(form->fullscreen_mode());
    EXPECT_EQ(settings->values["FullscreenMode"], "1");
    EXPECT_EQ(form->geometry(), screen_rect());
    EXPECT_TRUE(form->mask().isEmpty()) << "fullscreen is opaque";
    EXPECT_TRUE(form->images()[btn_game_menu_top].visible);
    EXPECT_TRUE(form->images()[btn_game_menu_background].visible);
    EXPECT_TRUE(form->pm_0_menu().items()[9]->isChecked());

    press_key(*form, Qt::Key_F12);
    EXPECT_FALSE(form->fullscreen_mode());
    EXPECT_EQ(settings->values["FullscreenMode"], "0");
    EXPECT_EQ(form->size(), QSize(609, 377));
    EXPECT_EQ(form->pos(), centred(form->size()));
    EXPECT_FALSE(form->mask().isEmpty()) << "the window takes the shape of the case";
    EXPECT_FALSE(form->mask().contains(QPoint(0, 0))) << "the corner is key colour";
    EXPECT_FALSE(form->images()[btn_game_menu_top].visible);
    EXPECT_FALSE(form->images()[btn_game_menu_background].visible);
    EXPECT_FALSE(form->pm_0_menu().items()[9]->isChecked());
    EXPECT_TRUE(errors.empty());
}

TEST_F(WindowModes, EachSwitchReadsConfigIniAgain) {
    const std::string base = write_config("[Common]\nGameWidth=300\nGameHeight=200\n");
    auto form = make_form(base);
    EXPECT_EQ(form->size(), QSize(300, 200));
    form->pm_10_fullscreenClick();
    write_config("[Common]\nGameWidth=400\nGameHeight=250\n");
    form->pm_10_fullscreenClick();
    EXPECT_EQ(form->size(), QSize(400, 250)) << "the edit made in between applies";
    EXPECT_EQ(form->pos(), centred(form->size()));
}

TEST_F(WindowModes, ALayoutErrorInTheSwitchIsReportedAndTheWindowIsCentredAgain) {
    initial["FullscreenMode"] = "1";
    auto form = make_form(write_config("[VideoMode]\nTranspColor=not a colour\n"));
    ASSERT_TRUE(errors.empty()) << "fullscreen does not read the windowed colour";
    form->pm_10_fullscreenClick();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_FALSE(form->terminating());
    EXPECT_EQ(form->pos(), centred(form->size())) << "not left off-screen";
}

TEST_F(WindowModes, AConfigIniGoneAtTheSwitchEndsTheProgram) {
    auto form = make_form(write_config(""));
    ASSERT_TRUE(QFile::remove(dir.filePath("Config.ini")));
    form->pm_10_fullscreenClick();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_TRUE(form->terminating());
}

// Drags from the point by (dx, dy), giving each event the screen position of a real pointer.
void drag(TForm1& form, QPoint from, QPoint by) {
    const QPoint global = form.mapToGlobal(from);
    send_mouse_at(form, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, global);
    const QPoint half(by.x() / 2, by.y() / 2);
    for (const QPoint& step : {half, by}) {
        // The local position is where the pointer is over the window as it stood at the press.
        send_mouse_at(form, QEvent::MouseMove, from + step, Qt::NoButton, Qt::LeftButton,
                      global + step);
    }
    send_mouse_at(form, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton,
                  global + by);
}

TEST_F(WindowModes, ADragOnTheCaseMovesTheWindowByExactlyThePointersMovement) {
    auto form = make_form();
    form->power_on();
    for (ImageId surface : {im_background, im_background_screen_top, btn_set_top}) {
        const QPoint start = form->pos();
        drag(*form, point_hitting(*form, surface), QPoint(37, -21));
        EXPECT_EQ(form->pos(), start + QPoint(37, -21)) << image_names[index_of(surface)];
    }
    // A drag that begins on a working button presses it and leaves the window where it is.
    form->engine().set_mode(mode_time_1);
    const QPoint start = form->pos();
    const QPoint time = point_hitting(*form, btn_time_top);
    send_mouse_at(*form, QEvent::MouseButtonPress, time, Qt::LeftButton);
    send_mouse_at(*form, QEvent::MouseMove, time + QPoint(30, 30), Qt::NoButton, Qt::LeftButton,
                  form->mapToGlobal(time + QPoint(30, 30)));
    EXPECT_TRUE(form->images()[btn_time_down].visible);
    send_mouse_at(*form, QEvent::MouseButtonRelease, time, Qt::LeftButton);
    EXPECT_EQ(form->pos(), start);
}

TEST_F(WindowModes, NoDragInFullscreenNorAfterASwitchInTheMiddleOfOne) {
    initial["FullscreenMode"] = "1";
    auto form = make_form();
    form->power_on();
    drag(*form, point_hitting(*form, im_background), QPoint(40, 40));
    EXPECT_EQ(form->pos(), QPoint(0, 0));

    press_key(*form, Qt::Key_F12);
    const QPoint start = form->pos();
    const QPoint from = point_hitting(*form, im_background);
    const QPoint global = form->mapToGlobal(from);
    send_mouse_at(*form, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, global);
    press_key(*form, Qt::Key_F12);
    press_key(*form, Qt::Key_F12);
    send_mouse_at(*form, QEvent::MouseMove, from + QPoint(5, 5), Qt::NoButton, Qt::LeftButton,
                  global + QPoint(5, 5));
    EXPECT_EQ(form->pos(), start) << "the switches ended the drag";
}

}  // namespace
}  // namespace zuzazizo
