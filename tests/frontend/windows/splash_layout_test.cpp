// The splash screen as drawn: its window, texts and components at their designed places.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "frontend/windows/splash.h"
#include "support/idle_splash_host.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

using IdleHost = testing::IdleSplashHost;

// The next widget that Tab moves to, skipping the parts of a compound control.
QWidget* next_tab_stop(QWidget* from) {
    for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain()) {
        if (from->isAncestorOf(w) || !w->isVisibleTo(w->window())) continue;
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) return w;
    }
    return nullptr;
}

class SplashLayout : public ::testing::Test {
  protected:
    QApplication& app = ensure_qapp();  // before the form below
    IdleHost host;
    MemorySettingsBackend backend;
    SettingsStore settings{backend};
    TSplashForm splash{host, settings};
};

TEST_F(SplashLayout, WindowHasItsCaptionAFixedSizeAndNoTitleBarButtons) {
    EXPECT_EQ(splash.windowTitle(), "About this game...");
    EXPECT_EQ(splash.size(), QSize(460, 420));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
    const Qt::WindowFlags flags = splash.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(SplashLayout, ComponentsStandAtTheirDesignedRectangles) {
    const std::pair<QWidget*, QRect> table[] = {
        {splash.im_background, {0, 0, 460, 420}},
        {splash.im_box_picture, {0, 56, 460, 160}},
        {splash.la_game_title, {0, 12, 460, 15}},
        {splash.la_version, {0, 28, 460, 15}},
        {splash.la_release_date, {0, 236, 460, 15}},
        {splash.la_website_1, {118, 259, 56, 15}},
        {splash.la_website_2, {174, 259, 168, 15}},
        {splash.la_email_1, {118, 282, 56, 15}},
        {splash.la_email_2, {174, 282, 168, 15}},
        {splash.la_sound_select, {98, 308, 116, 15}},
        {splash.cb_sound, {217, 308, 144, 21}},
        {splash.btn_play, {116, 340, 107, 30}},
        {splash.btn_play_disabled, {116, 340, 107, 30}},
        {splash.btn_paypal, {237, 340, 107, 30}},
        {splash.chb_splashscreen, {12, 391, 444, 17}},
    };
    for (const auto& [widget, bounds] : table) {
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), bounds) << widget->metaObject()->className();
    }
}

TEST_F(SplashLayout, PicturesFillTheirPlacesAndTheBoxIsHeldAt160) {
    EXPECT_EQ(splash.im_background->pixmap().size(), QSize(460, 420));
    EXPECT_EQ(splash.im_box_picture->pixmap().height(), 160);
    EXPECT_TRUE(splash.im_box_picture->alignment().testFlag(Qt::AlignHCenter));
    for (const QLabel* button : {splash.btn_play, splash.btn_play_disabled, splash.btn_paypal}) {
        EXPECT_EQ(button->pixmap().size(), QSize(107, 30));
    }
}

TEST_F(SplashLayout, TextsFontsAndColours) {
    EXPECT_EQ(splash.la_game_title->text(), "Zuzazizo (Corvane, Pocketeer) Simulator");
    EXPECT_EQ(splash.la_version->text(), "Version 5.00 * Final *");
    EXPECT_FALSE(splash.la_release_date->text().isEmpty());
    for (const QLabel* title : {splash.la_game_title, splash.la_version}) {
        EXPECT_TRUE(title->font().bold());
        EXPECT_EQ(title->font().family(), "Arial");
        EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_TRUE(title->alignment().testFlag(Qt::AlignHCenter));
    }
    EXPECT_FALSE(splash.la_release_date->font().bold());
    EXPECT_EQ(splash.la_release_date->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(splash.la_website_1->text(), "website:");
    EXPECT_EQ(splash.la_email_1->text(), "email:");
    EXPECT_EQ(splash.la_sound_select->text(), "Select sound driver:");
    EXPECT_EQ(splash.la_email_2->text(), "zuzazizo@example.org");
    for (const QLabel* link : {splash.la_website_2, splash.la_email_2}) {
        EXPECT_TRUE(link->font().bold());
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(24, 82, 148));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(splash.btn_play->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(splash.btn_paypal->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(splash.btn_play_disabled->cursor().shape(), Qt::WhatsThisCursor);
}

TEST_F(SplashLayout, DriverListAndCheckBox) {
    EXPECT_FALSE(splash.cb_sound->isEditable());
    ASSERT_EQ(splash.cb_sound->count(), 3);
    EXPECT_EQ(splash.cb_sound->itemText(0), "Microsoft DirectSound");
    EXPECT_EQ(splash.cb_sound->itemText(1), "Windows MultiMedia");
    EXPECT_EQ(splash.cb_sound->itemText(2), "(no sound)");
    EXPECT_EQ(splash.chb_splashscreen->text(), "Display this splash screen at startup");
    EXPECT_EQ(splash.chb_splashscreen->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(splash.chb_splashscreen->palette().color(QPalette::Window), QColor(8, 41, 82));
    EXPECT_TRUE(splash.chb_splashscreen->autoFillBackground());
    // What is drawn, not only what is set: the strip behind the text is dark blue.
    const QImage strip = splash.chb_splashscreen->grab().toImage();
    EXPECT_EQ(strip.pixelColor(strip.width() - 2, strip.height() / 2), QColor(8, 41, 82));
    // Tab order: the list, then the check box; the pictures take no focus.
    EXPECT_EQ(next_tab_stop(splash.cb_sound), splash.chb_splashscreen);
    EXPECT_EQ(next_tab_stop(splash.chb_splashscreen), splash.cb_sound);
    EXPECT_EQ(splash.btn_play->focusPolicy(), Qt::NoFocus);
}

}  // namespace
}  // namespace zuzazizo
