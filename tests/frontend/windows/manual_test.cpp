// The manual viewer: its layout from Config.ini, page turning by buttons and keys, held keys,
// closing and reopening, and the window dragged by its page.
#include "frontend/windows/manual.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "frontend/common/error_report_qt.h"
#include "frontend/windows/manual_buttons.h"
#include "support/qt_app.h"
#include "support/wait_for.h"

namespace zuzazizo {
namespace {

class Manual : public ::testing::Test {
  protected:
    // A key event as X11 delivers it: with a timestamp, and flagged or not as auto-repeat.
    void key(QEvent::Type type, int qt_key, quint64 timestamp_ms, bool auto_repeat = false) {
        QKeyEvent event(type, qt_key, Qt::NoModifier, QString(), auto_repeat);
        event.setTimestamp(timestamp_ms);
        QApplication::sendEvent(&form, &event);
    }
    void tap(int qt_key) {
        clock_ms += 100;
        key(QEvent::KeyPress, qt_key, clock_ms);
        key(QEvent::KeyRelease, qt_key, clock_ms + 50);
        settle();
    }
    // A release counts once no press of an auto-repeat pair can follow it any more.
    static void settle() { QTest::qWait(repeat_pair_window_ms * 2); }
    void mouse(QEvent::Type type, QWidget* over, Qt::MouseButton button) {
        const QPointF pos = QRectF(over->geometry()).center();
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, pos, form.mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    }
    std::vector<bool> visible_buttons() const {
        return {form.btn_close_up->isVisible(), form.btn_left_up->isVisible(),
                form.btn_right_up->isVisible()};
    }

    QApplication& app = ensure_qapp();  // before the form
    std::vector<std::string> errors;
    TManualForm form{ZUZAZIZO_BIN_DIR, ErrorReport([this](const QString& text) {
                         errors.push_back(text.toStdString());
                     })};
    quint64 clock_ms = 1000;
};

TEST_F(Manual, FirstOpeningShowsPageOneWithOnlyNextAndClose) {
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.size(), QSize(390, 300));
    form.show();
    EXPECT_EQ(form.manual_page, 1);
    EXPECT_EQ(form.im_page_top->pixmap().cacheKey(), form.manual_pages[1].cacheKey());
    EXPECT_FALSE(form.manual_pages[1].isNull());
    EXPECT_EQ(visible_buttons(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(form.btn_close_up->geometry(), QRect(370, 4, 16, 14));
    EXPECT_EQ(form.btn_left_up->geometry(), QRect(4, 282, 16, 14));
    EXPECT_EQ(form.btn_right_up->geometry(), QRect(370, 282, 16, 14));
}

// At pixel ratio 1 the page itself, above it the drawing with twice the pixels: the same size in
// the window either way (ctest runs these tests again at QT_SCALE_FACTOR=2).
TEST_F(Manual, ShowsThePageDrawnForItsScreensPixelRatio) {
    form.show();
    const qreal drawn = form.devicePixelRatioF() > 1.0 ? 2.0 : 1.0;
    for (int n = 1; n <= 8; ++n) {
        ASSERT_EQ(form.manual_page, n);
        const QPixmap& page = form.manual_pages[static_cast<std::size_t>(n)];
        EXPECT_EQ(page.devicePixelRatio(), drawn) << n;
        EXPECT_EQ(page.size(), QSize(390, 300) * drawn) << n;
        tap(Qt::Key_Right);
    }
    EXPECT_EQ(form.size(), QSize(390, 300));
    EXPECT_EQ(form.im_page_top->size(), QSize(390, 300));
    for (const QLabel* button : {form.btn_close_up, form.btn_left_down, form.btn_right_up}) {
        EXPECT_EQ(button->pixmap().devicePixelRatio(), drawn) << "the buttons drawn alike";
        EXPECT_EQ(button->pixmap().size(), QSize(16, 14) * drawn);
    }
}

TEST_F(Manual, SevenRightArrowsReachPageEightAndAnEighthDoesNothing) {
    form.show();
    for (int i = 0; i < 7; ++i) tap(Qt::Key_Right);
    EXPECT_EQ(form.manual_page, 8);
    EXPECT_EQ(visible_buttons(), (std::vector<bool>{true, true, false}));
    tap(Qt::Key_Right);
    EXPECT_EQ(form.manual_page, 8);
    tap(Qt::Key_Left);
    EXPECT_EQ(form.manual_page, 7);
    EXPECT_EQ(visible_buttons(), (std::vector<bool>{true, true, true}));
}

TEST_F(Manual, EscapeClosesAndTheManualReopensWhereItWasLeft) {
    form.show();
    for (int i = 0; i < 4; ++i) tap(Qt::Key_Right);
    key(QEvent::KeyPress, Qt::Key_Escape, 5000);
    EXPECT_FALSE(form.btn_close_up->isVisible()) << "pressed while the key is down";
    EXPECT_TRUE(form.isVisible());
    key(QEvent::KeyRelease, Qt::Key_Escape, 5050);
    ASSERT_TRUE(wait_for([&] { return !form.isVisible(); }));
    form.show();
    EXPECT_EQ(form.manual_page, 5);
    EXPECT_EQ(form.im_page_top->pixmap().cacheKey(), form.manual_pages[5].cacheKey());
    EXPECT_EQ(visible_buttons(), (std::vector<bool>{true, true, true}));
}

TEST_F(Manual, AHeldArrowTurnsOnePageEvenWhenRepeatPairsComeUnflagged) {
    form.show();
    key(QEvent::KeyPress, Qt::Key_Right, 1000);
    // Auto-repeat: some pairs flagged, some not; an unflagged pair shares one timestamp.
    for (quint64 t = 1500; t < 2000; t += 33) {
        const bool flagged = (t / 33) % 2 == 0;
        key(QEvent::KeyRelease, Qt::Key_Right, t, flagged);
        key(QEvent::KeyPress, Qt::Key_Right, t, flagged);
    }
    settle();
    EXPECT_EQ(form.manual_page, 1) << "no page turns while the key is held";
    EXPECT_FALSE(form.btn_right_up->isVisible());
    key(QEvent::KeyRelease, Qt::Key_Right, 2100);
    EXPECT_TRUE(wait_for([&] { return form.manual_page == 2; })) << "page " << form.manual_page;
    settle();
    EXPECT_EQ(form.manual_page, 2);
}

TEST_F(Manual, AReleaseFollowedByAnotherKeyCountsAtOnce) {
    form.show();
    tap(Qt::Key_Right);
    key(QEvent::KeyPress, Qt::Key_Right, 3000);
    key(QEvent::KeyRelease, Qt::Key_Right, 3040);
    key(QEvent::KeyPress, Qt::Key_Left, 3040);
    EXPECT_EQ(form.manual_page, 3) << "the right arrow's release came first";
    key(QEvent::KeyRelease, Qt::Key_Left, 3090);
    EXPECT_TRUE(wait_for([&] { return form.manual_page == 2; })) << "page " << form.manual_page;
}

TEST_F(Manual, AButtonShowsPressedOnPressAndTurnsThePageOnRelease) {
    form.show();
    mouse(QEvent::MouseButtonPress, form.btn_right_up, Qt::LeftButton);
    EXPECT_FALSE(form.btn_right_up->isVisible());
    EXPECT_TRUE(form.btn_right_down->isVisible());
    EXPECT_EQ(form.manual_page, 1) << "the page waits for the release";
    mouse(QEvent::MouseButtonRelease, form.btn_right_up, Qt::LeftButton);
    EXPECT_EQ(form.manual_page, 2);
    EXPECT_TRUE(form.btn_right_up->isVisible());
    mouse(QEvent::MouseButtonPress, form.btn_left_up, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, form.btn_left_up, Qt::LeftButton);
    EXPECT_EQ(form.manual_page, 1);
    mouse(QEvent::MouseButtonPress, form.btn_close_up, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, form.btn_close_up, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Manual, APressHeldWhileEscapeClosesTheViewerEndsWithIt) {
    form.show();
    mouse(QEvent::MouseButtonPress, form.btn_right_up, Qt::LeftButton);
    ASSERT_FALSE(form.btn_right_up->isVisible());
    tap(Qt::Key_Escape);
    ASSERT_FALSE(form.isVisible());

    form.show();
    EXPECT_EQ(visible_buttons(), (std::vector<bool>{true, false, true}))
        << "the next-page button looks released again";
    mouse(QEvent::MouseButtonPress, form.im_page_top, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, form.im_page_top, Qt::LeftButton);
    EXPECT_EQ(form.manual_page, 1) << "a click on the page turns nothing";
    mouse(QEvent::MouseButtonPress, form.btn_right_up, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, form.btn_right_up, Qt::LeftButton);
    EXPECT_EQ(form.manual_page, 2) << "and the button answers its next press";
}

TEST_F(Manual, RightButtonClicksAndHiddenButtonsDoNothing) {
    form.show();
    for (QLabel* button : {form.btn_right_up, form.btn_close_up}) {
        mouse(QEvent::MouseButtonPress, button, Qt::RightButton);
        EXPECT_TRUE(button->isVisible());
        mouse(QEvent::MouseButtonRelease, button, Qt::RightButton);
    }
    mouse(QEvent::MouseButtonPress, form.btn_left_up, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, form.btn_left_up, Qt::LeftButton);
    EXPECT_EQ(form.manual_page, 1);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Manual, ALeftDragOnThePageMovesTheWindow) {
    form.show();
    const QPoint start = form.pos();
    const QPointF grip(100, 100);
    QMouseEvent press(QEvent::MouseButtonPress, grip, form.mapToGlobal(grip), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &press);
    const QPointF moved(130, 90);
    QMouseEvent move(QEvent::MouseMove, moved, form.mapToGlobal(moved), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &move);
    EXPECT_EQ(form.pos(), start + QPoint(30, -10));
}

TEST(ManualLayout, TheConfiguredSizeAndTheMarkerForAMissingPage) {
    ensure_qapp();
    QTemporaryDir dir;
    QFile config(dir.filePath("Config.ini"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("[Manual]\nManualDir=pages\\\nManualWidth=320\nManualHeight=200\n");
    config.close();
    QDir(dir.path()).mkdir("pages");
    QImage page(320, 200, QImage::Format_RGB32);
    page.fill(Qt::green);
    ASSERT_TRUE(page.save(dir.filePath("pages/1.bmp")));
    TManualForm form(dir.path().toStdString(), ErrorReport([](const QString&) {}));
    EXPECT_EQ(form.size(), QSize(320, 200));
    EXPECT_EQ(form.page_pixmap(1).size(), QSize(320, 200));
    EXPECT_EQ(form.page_pixmap(2).size(), QSize(10, 10)) << "the missing-image marker";
    EXPECT_EQ(form.page_pixmap(2).toImage().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(form.btn_right_up->geometry(), QRect(300, 182, 16, 14));
}

// Pages are checked when the viewer is made and decoded when first shown: a header that cannot be
// read is reported at once and stops the layout; pixels missing behind a good header are found,
// and reported, only when their page is shown.
TEST(ManualLayout, PagesAreCheckedAtOnceAndDecodedWhenFirstShown) {
    ensure_qapp();
    std::vector<std::string> errors;
    const ErrorReport report([&](const QString& text) { errors.push_back(text.toStdString()); });
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Graphics/Manual");
    QImage page(390, 300, QImage::Format_RGB32);
    page.fill(Qt::green);
    const QString pages = dir.filePath("Graphics/Manual/");
    ASSERT_TRUE(page.save(pages + "1.bmp"));
    QFile whole(pages + "1.bmp");
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(pages + "2.bmp");
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.readAll().left(54));  // the headers and no pixel row
    cut.close();

    TManualForm form(dir.path().toStdString(), report);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(form.page_pixmap(1).toImage().pixelColor(200, 150), QColor(Qt::green));
    EXPECT_EQ(form.page_pixmap(2).size(), QSize(10, 10)) << "the missing-image marker";
    EXPECT_TRUE(errors.empty()) << "reported from the event loop, not from the showing";
    QTest::qWait(0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("2.bmp"), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("[Manual]"), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("damaged"), std::string::npos) << errors[0];
    form.page_pixmap(2);
    QTest::qWait(0);
    EXPECT_EQ(errors.size(), 1u) << "reported once";

    QFile garbage(pages + "3.bmp");
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(300, '\x11'));
    garbage.close();
    errors.clear();
    TManualForm broken(dir.path().toStdString(), report);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("3.bmp"), std::string::npos) << errors[0];
    EXPECT_TRUE(broken.page_pixmap(4).isNull()) << "the layout stopped at page 3";
}

// The art itself is the core's and checked there; here, that the picture shows it unchanged, and
// on a screen of two pixels to a point its finer drawing at the button's size.
TEST(ManualButtons, ThePictureIsTheCoresArtPixelForPixel) {
    for (const qreal ratio : {1.0, 2.0}) {
        const int scale = ratio > 1 ? manual_button_largest_scale : 1;
        for (const bool pressed : {false, true}) {
            const QImage picture = manual_button_picture(ManualGlyph::arrow_right, pressed, ratio);
            const std::vector<std::uint32_t> art =
                manual_button_pixels(ManualGlyph::arrow_right, pressed, scale);
            ASSERT_EQ(picture.size(), manual_button_size_px * scale);
            EXPECT_EQ(picture.deviceIndependentSize().toSize(), manual_button_size_px);
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    EXPECT_EQ(picture.pixel(x, y),
                              art[static_cast<std::size_t>(y * picture.width() + x)])
                        << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zuzazizo
