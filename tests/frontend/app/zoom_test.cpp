// Zoom of the windowed mode and scale of fullscreen on the main window: sizes, hit-testing, the
// window's shape, the zoom keys and their stored values.
#include <gtest/gtest.h>

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>

#include "core/input/key_table.h"
#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

using enum ImageId;

constexpr int game_width_px = 609;
constexpr int game_height_px = 377;
constexpr int ctrl_choice = 42;  // "<CTRL>" in the key table

struct Zoom : ::testing::Test {
    Zoom() { ensure_qapp(); }

    std::unique_ptr<TForm1> make_form() {
        auto backend = std::make_unique<MemorySettingsBackend>();
        backend->values = initial;
        settings = backend.get();
        return std::make_unique<TForm1>(
            FormOptions{std::move(backend), ZUZAZIZO_BIN_DIR},
            ErrorReport([this](const QString& text) { errors.push_back(text.toStdString()); }));
    }

    std::map<std::string, std::string> initial = {{"FullscreenMode", "0"}};
    MemorySettingsBackend* settings = nullptr;
    std::vector<std::string> errors;
};

void send_key(QWidget& w, QEvent::Type type, int qt_key, Qt::KeyboardModifiers modifiers,
              bool auto_repeat = false) {
    QKeyEvent event(type, qt_key, modifiers, QString(), auto_repeat);
    QApplication::sendEvent(&w, &event);
}

void ctrl_key(QWidget& w, int qt_key) {
    send_key(w, QEvent::KeyPress, qt_key, Qt::ControlModifier);
    send_key(w, QEvent::KeyRelease, qt_key, Qt::ControlModifier);
}

void send_mouse(QWidget& w, QEvent::Type type, QPoint pos) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), w.mapToGlobal(QPointF(pos)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

// The window point at the centre of an image's game rectangle, at a whole zoom.
QPoint zoomed_centre(const TForm1& form, ImageId id, int zoom) {
    const Rect& r = form.images()[id].bounds;
    return {(r.left + r.width / 2) * zoom, (r.top + r.height / 2) * zoom};
}

struct Button {
    ImageId top;
    ImageId down;
};
constexpr Button buttons[] = {{btn_time_top, btn_time_down},     {btn_light_top, btn_light_down},
                              {btn_game_a_top, btn_game_a_down}, {btn_game_b_top, btn_game_b_down},
                              {btn_left_top, btn_left_down},     {btn_right_top, btn_right_down}};

TEST_F(Zoom, EachZoomSizesTheWindowAndHitsEveryButtonWhereItIsDrawn) {
    for (int zoom = 1; zoom <= 4; ++zoom) {
        SCOPED_TRACE(zoom);
        initial["Zoom"] = std::to_string(zoom);
        auto form = make_form();
        ASSERT_TRUE(errors.empty()) << errors.front();
        EXPECT_EQ(form->zoom(), zoom);
        EXPECT_EQ(form->size(), QSize(game_width_px * zoom, game_height_px * zoom));
        for (const Button& button : buttons) {
            form->engine().set_mode(mode_time_1);
            const QPoint centre = zoomed_centre(*form, button.top, zoom);
            send_mouse(*form, QEvent::MouseButtonPress, centre);
            EXPECT_TRUE(form->images()[button.down].visible) << name_of(button.top);
            send_mouse(*form, QEvent::MouseButtonRelease, centre);
            EXPECT_FALSE(form->images()[button.down].visible) << name_of(button.top);
            // Just left of the button's drawn rectangle is the case, which presses nothing.
            const Rect& r = form->images()[button.top].bounds;
            send_mouse(*form, QEvent::MouseButtonPress, QPoint(r.left * zoom - 1, centre.y()));
            EXPECT_FALSE(form->images()[button.down].visible) << name_of(button.top);
            send_mouse(*form, QEvent::MouseButtonRelease, QPoint(r.left * zoom - 1, centre.y()));
        }
    }
}

TEST_F(Zoom, DraggingTheCaseMovesTheZoomedWindowAndKeepsItsZoom) {
    initial["Zoom"] = "3";
    auto form = make_form();
    form->move(100, 100);
    const QPoint start = zoomed_centre(*form, im_background, 3) + QPoint(0, 130 * 3);  // branding
    send_mouse(*form, QEvent::MouseButtonPress, start);
    QMouseEvent drag(QEvent::MouseMove, QPointF(start + QPoint(40, 25)),
                     form->mapToGlobal(QPointF(start + QPoint(40, 25))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drag);
    EXPECT_EQ(form->pos(), QPoint(140, 125));
    send_mouse(*form, QEvent::MouseButtonRelease, start + QPoint(40, 25));
    EXPECT_EQ(form->zoom(), 3);
    EXPECT_EQ(form->size(), QSize(game_width_px * 3, game_height_px * 3));
}

TEST_F(Zoom, TheShapeLeavesOutTheKeyColourAtEveryZoom) {
    for (int zoom = 1; zoom <= 4; ++zoom) {
        SCOPED_TRACE(zoom);
        initial["Zoom"] = std::to_string(zoom);
        auto form = make_form();
        const QRegion shape = form->mask();
        ASSERT_FALSE(shape.isEmpty());
        // The larger drawings' edges are finer, so the outline may end within one game pixel.
        EXPECT_NEAR(shape.boundingRect().width(), game_width_px * zoom, zoom);
        EXPECT_NEAR(shape.boundingRect().height(), game_height_px * zoom, zoom);
        // The case's rounded corners are key colour: see-through and not hit.
        EXPECT_FALSE(shape.contains(QPoint(0, 0)));
        EXPECT_FALSE(shape.contains(QPoint(game_width_px * zoom - 1, game_height_px * zoom - 1)));
        EXPECT_TRUE(shape.contains(form->rect().center()));
        EXPECT_TRUE(shape.contains(zoomed_centre(*form, btn_game_a_top, zoom)));
    }
}

TEST_F(Zoom, ZoomKeysNeverReachTheBindingsButCtrlAloneDoes) {
    initial["Key3"] = "1";                          // TIME on '0'
    initial["Key4"] = std::to_string(ctrl_choice);  // LIGHT on Ctrl
    ASSERT_EQ(key_choice(ctrl_choice)->virtual_key, 0x11);
    auto form = make_form();
    form->engine().set_mode(mode_time_1);
    send_key(*form, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(form->images()[im_background_light].visible) << "Ctrl alone is the light";
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::ControlModifier);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::ControlModifier, true);
    EXPECT_EQ(form->engine().state.game_mode, mode_time_1) << "Ctrl+0 is not TIME";
    // The release comes after Ctrl's own: it still belongs to the zoom key.
    send_key(*form, QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    EXPECT_FALSE(form->images()[im_background_light].visible);
    send_key(*form, QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier);
    EXPECT_FALSE(form->images()[btn_time_down].visible);
    EXPECT_EQ(form->engine().state.game_mode, mode_time_1);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::NoModifier);
    EXPECT_EQ(form->engine().state.game_mode, mode_time_2) << "'0' alone is TIME";
}

// A bound 0 held while Ctrl goes down, or a zoom key held while Ctrl comes up: the repeats and
// the release stay with the key's first meaning, so no button is left pressed or lost.
TEST_F(Zoom, CtrlMidwayThroughAHeldKeyKeepsItsMeaning) {
    initial["Key3"] = "1";  // TIME on '0'
    auto form = make_form();
    form->engine().set_mode(mode_time_1);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::NoModifier);
    EXPECT_TRUE(form->images()[btn_time_down].visible);
    send_key(*form, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::ControlModifier, true);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::ControlModifier);  // a repeat, unflagged
    send_key(*form, QEvent::KeyRelease, Qt::Key_0, Qt::ControlModifier);
    EXPECT_FALSE(form->images()[btn_time_down].visible) << "the button was let go";
    send_key(*form, QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(form->zoom(), 1);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::NoModifier);
    EXPECT_TRUE(form->images()[btn_time_down].visible) << "its next press is not lost";
    send_key(*form, QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier);

    ctrl_key(*form, Qt::Key_Plus);
    ASSERT_EQ(form->zoom(), 2);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, true);  // Ctrl let go first
    EXPECT_FALSE(form->images()[btn_time_down].visible) << "still the zoom's key";
    send_key(*form, QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier);
    send_key(*form, QEvent::KeyPress, Qt::Key_0, Qt::NoModifier);
    EXPECT_TRUE(form->images()[btn_time_down].visible);
}

TEST_F(Zoom, FullscreenScaleIsChosenWithTheSameKeysAndKeepsTheWindowsOwnItems) {
    initial["FullscreenMode"] = "1";
    auto form = make_form();
    ASSERT_TRUE(form->fullscreen_mode());
    const QSize screen = form->size();
    const ViewScale laid_out = form->view();
    EXPECT_TRUE(laid_out.identity());
    ctrl_key(*form, Qt::Key_Plus);
    EXPECT_EQ(form->fullscreen_scale(), FullscreenScale::whole_multiple);
    EXPECT_EQ(settings->values["FullscreenScale"], "1");
    EXPECT_EQ(settings->values.count("Zoom"), 0u) << "fullscreen leaves the window's zoom";
    ctrl_key(*form, Qt::Key_Plus);
    EXPECT_EQ(form->fullscreen_scale(), FullscreenScale::fit);
    EXPECT_EQ(form->size(), screen) << "fullscreen keeps covering the screen";
    const ViewScale& fit = form->view();
    EXPECT_GT(fit.factor, 1.0);
    // The scaled game area's buttons are hit where they are drawn now.
    const Rect& r = form->images()[btn_game_a_top].bounds;
    const QPoint centre(static_cast<int>(fit.window_x(r.left + r.width / 2.0)),
                        static_cast<int>(fit.window_y(r.top + r.height / 2.0)));
    form->engine().set_mode(mode_time_1);
    send_mouse(*form, QEvent::MouseButtonPress, centre);
    EXPECT_TRUE(form->images()[btn_game_a_down].visible);
    send_mouse(*form, QEvent::MouseButtonRelease, centre);
    ctrl_key(*form, Qt::Key_0);
    EXPECT_EQ(form->fullscreen_scale(), FullscreenScale::as_laid_out);
    EXPECT_EQ(settings->values["FullscreenScale"], "0");
}

}  // namespace
}  // namespace zuzazizo
