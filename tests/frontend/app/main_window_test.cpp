#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"
#include "frontend/skin/picture_loader_qt.h"
#include "frontend/skin/picture_prefetch.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

using enum ImageId;

struct MainWindow : ::testing::Test {
    MainWindow() { ensure_qapp(); }

    std::unique_ptr<TForm1> make_form(std::string base_dir = ZUZAZIZO_BIN_DIR) {
        auto backend = std::make_unique<MemorySettingsBackend>();
        backend->values = initial;
        settings = backend.get();
        return std::make_unique<TForm1>(
            FormOptions{std::move(backend), std::move(base_dir)},
            ErrorReport([this](const QString& text) { errors.push_back(text.toStdString()); }));
    }
    std::string config_dir(const char* text) {
        QFile file(dir.filePath("Config.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return dir.path().toStdString();
    }

    std::map<std::string, std::string> initial = {{"FullscreenMode", "0"}};
    MemorySettingsBackend* settings = nullptr;
    std::vector<std::string> errors;
    QTemporaryDir dir;
};

void send_key(QWidget& w, QEvent::Type type, int qt_key, bool auto_repeat = false) {
    QKeyEvent event(type, qt_key, Qt::NoModifier, QString(), auto_repeat);
    QApplication::sendEvent(&w, &event);
}

void send_mouse(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), w.mapToGlobal(QPointF(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

QPoint centre_of(const TForm1& form, ImageId id) {
    const Rect& r = form.images()[id].bounds;
    return {r.left + r.width / 2, r.top + r.height / 2};
}

TEST_F(MainWindow, FirstRunWritesTheKeysAndStartsOffScreen) {
    initial.clear();
    auto form = make_form();
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_TRUE(form->fullscreen_mode());
    const std::map<std::string, std::string> keys = {{"Key1", "2"}, {"Key2", "3"},  {"Key3", "4"},
                                                     {"Key4", "6"}, {"Key5", "39"}, {"Key6", "40"}};
    for (const auto& [name, value] : keys) EXPECT_EQ(settings->values[name], value) << name;
    EXPECT_EQ(settings->values.count("Zoom"), 0u) << "nothing new is stored at the defaults";
    EXPECT_EQ(settings->values.count("FullscreenScale"), 0u);
    EXPECT_LT(form->x(), 0);
    EXPECT_LT(form->y(), 0);
    EXPECT_EQ(form->images()[btn_game_a_top].hint, "click or press '1' to start game A");
    EXPECT_EQ(form->engine().state.hiscore_1, 0);
}

TEST_F(MainWindow, WindowedLayoutTakesTheGameSize) {
    initial["HiScore2"] = "$64";
    auto form = make_form();
    EXPECT_FALSE(form->fullscreen_mode());
    EXPECT_EQ(form->size(), QSize(609, 377));
    EXPECT_EQ(form->engine().state.hiscore_2, 100);
}

TEST_F(MainWindow, AMissingConfigIniIsReportedAndEndsTheProgram) {
    auto form = make_form(dir.path().toStdString());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_TRUE(form->terminating());
}

TEST_F(MainWindow, ALayoutErrorIsShownButKeysAndHighScoresAreStillSetUp) {
    initial["HiScore1"] = "900";
    auto form = make_form(config_dir("[VideoMode]\nTranspColor=not a colour\n"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_FALSE(form->terminating());
    EXPECT_EQ(form->engine().state.hiscore_1, 900) << "a worse score must not overwrite it later";
    EXPECT_EQ(settings->values["Key1"], "2");
    form->power_on();
    send_key(*form, QEvent::KeyPress, Qt::Key_3);
    EXPECT_EQ(form->engine().state.game_mode, mode_time_1) << "keys are bound";
}

TEST_F(MainWindow, AHeldKeyActsOnceAndOnlyTheRealReleaseCounts) {
    auto form = make_form();
    form->power_on();
    form->engine().set_mode(mode_time_1);
    send_key(*form, QEvent::KeyPress, Qt::Key_1);
    for (int i = 0; i < 5; ++i) {
        send_key(*form, QEvent::KeyRelease, Qt::Key_1, true);
        send_key(*form, QEvent::KeyPress, Qt::Key_1, true);
    }
    EXPECT_EQ(form->engine().state.game_mode, mode_game_a_ready);
    send_key(*form, QEvent::KeyRelease, Qt::Key_1);
    EXPECT_EQ(form->engine().state.game_mode, mode_game_a);
}

TEST_F(MainWindow, UnboundKeysDoNothingAndShiftFiveIsTheLight) {
    auto form = make_form();
    form->engine().set_mode(mode_time_1);
    send_key(*form, QEvent::KeyPress, Qt::Key_4);
    send_key(*form, QEvent::KeyRelease, Qt::Key_4);
    EXPECT_FALSE(form->images()[im_background_light].visible);
    QKeyEvent shift_5(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 14, 0, 0, "%");
    QApplication::sendEvent(form.get(), &shift_5);
    EXPECT_TRUE(form->images()[im_background_light].visible);
}

TEST_F(MainWindow, TheLeftMouseButtonPressesAPicturedButtonUntilItComesUpAnywhere) {
    auto form = make_form();
    form->engine().set_mode(mode_time_1);
    send_mouse(*form, QEvent::MouseButtonPress, centre_of(*form, btn_time_top), Qt::RightButton);
    EXPECT_FALSE(form->images()[btn_time_down].visible) << "the right button presses nothing";
    send_mouse(*form, QEvent::MouseButtonRelease, centre_of(*form, btn_time_top), Qt::RightButton);

    send_mouse(*form, QEvent::MouseButtonPress, centre_of(*form, btn_time_top), Qt::LeftButton);
    EXPECT_TRUE(form->images()[btn_time_down].visible);
    EXPECT_EQ(form->engine().state.game_mode, mode_time_2);
    send_mouse(*form, QEvent::MouseButtonRelease, QPoint(1, 1), Qt::LeftButton);
    EXPECT_FALSE(form->images()[btn_time_down].visible);
    EXPECT_FALSE(form->engine().state.key_latch);
}

TEST_F(MainWindow, ButtonsShowTheirHintsAndCursors) {
    auto form = make_form();
    form->show();
    const QPoint left = centre_of(*form, btn_left_top);
    QHelpEvent help(QEvent::ToolTip, left, form->mapToGlobal(left));
    QApplication::sendEvent(form.get(), &help);
    EXPECT_EQ(QToolTip::text().toStdString(), "click or press 'left arrow' key");
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);

    QMouseEvent over_left(QEvent::MouseMove, QPointF(left), form->mapToGlobal(QPointF(left)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &over_left);
    EXPECT_EQ(form->cursor().shape(), Qt::PointingHandCursor);
    const QPoint set = centre_of(*form, btn_set_top);
    QMouseEvent over_set(QEvent::MouseMove, QPointF(set), form->mapToGlobal(QPointF(set)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &over_set);
    EXPECT_EQ(form->cursor().shape(), Qt::WhatsThisCursor);
    form->hide();
}

TEST_F(MainWindow, AFailedSettingsWriteIsReportedOnceAfterTheHandlerThatWroteIt) {
    auto form = make_form();
    settings->fail_writes = true;
    form->engine().state.game_mode = mode_game_a;
    form->engine().state.score = 50;
    form->engine().state.end_step = 9;
    form->engine().Timer_Game_OverTimer();
    EXPECT_TRUE(errors.empty()) << "no modal box inside the firmware's handler";
    EXPECT_EQ(form->engine().state.hiscore_1, 50) << "the game goes on with the value in memory";
    form->settings().write_integer("HiScore2", 70);
    QCoreApplication::processEvents();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("HiScore1"), std::string::npos);
}

TEST_F(MainWindow, PowerOnCentresTheWindowAndLightsEverySegment) {
    auto form = make_form();
    form->power_on();
    EXPECT_GE(form->x(), 0);
    EXPECT_GE(form->y(), 0);
    EXPECT_EQ(form->engine().state.game_mode, mode_startup);
    EXPECT_TRUE(form->images()[im_panel_bell].visible);
    EXPECT_TRUE(form->engine().Timer_Startup.enabled());
}

// The program hands the main window the pictures it decoded ahead; a layout that ignored them
// would decode every picture a second time while the program starts.
TEST_F(MainWindow, TheFirstLayoutTakesItsPicturesFromThePrefetchItIsHanded) {
    const std::vector<PictureRequest> requests =
        pictures_to_load(ZUZAZIZO_BIN_DIR, false, QtPictureLoader());
    ASSERT_GT(requests.size(), 100u);
    PicturePrefetch prefetch(requests, 1);
    auto backend = std::make_unique<MemorySettingsBackend>();
    backend->values = initial;
    const TForm1 form(
        FormOptions{std::move(backend), ZUZAZIZO_BIN_DIR},
        ErrorReport([this](const QString& text) { errors.push_back(text.toStdString()); }),
        &prefetch);
    std::size_t left = 0;
    for (const PictureRequest& request : requests) left += prefetch.take(request) ? 1 : 0;
    EXPECT_EQ(left, 0u);
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace zuzazizo
