#include "frontend/app/unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include "core/skin/gfxinit.h"
#include "frontend/app/game_painting.h"
#include "frontend/app/paths_qt.h"
#include "frontend/app/settings_backend_qt.h"
#include "frontend/app/sound_startup.h"
#include "frontend/app/window_placement.h"
#include "frontend/common/program_title.h"
#include "frontend/common/window_centring_qt.h"
#include "frontend/skin/picture_loader_qt.h"
#include "frontend/windows/splash.h"

namespace zuzazizo {

TForm1::TForm1(FormOptions options, ErrorReport errors, PicturePrefetch* prefetch)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      base_dir_(options.base_dir.empty() ? executable_dir() : options.base_dir),
      errors_(std::move(errors)),
      backend_(options.backend ? std::move(options.backend)
                               : std::make_unique<QtSettingsBackend>()),
      settings_(*backend_),
      sound_(base_dir_),
      engine_(EngineDeps{options.timer_host ? *options.timer_host : timer_host_, lcd_, sound_,
                         settings_, options.wall_clock ? *options.wall_clock : wall_clock_,
                         std::move(options.random_bit)}),
      commands_(*this, base_dir_,
                {[this] { engine_.reset_hiscores(); }, [this] { pm_10_fullscreenClick(); },
                 [this] { pm_11_splashscreenClick(); }, [this] { pm_14_exitClick(); },
                 [this] { pm_0_menuPopup(); }}),
      game_menu_(*this, images_,
                 [this](std::size_t row) { commands_.run(menu_item_table[row].command); }),
      zoom_(*this, settings_, surface_, images_, [this] { apply_surface(); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A window with an alpha channel: what its shape cuts away is never painted and stays
    // transparent, so a compositor that draws the window's pixels rather than honouring its shape
    // (weston's XWayland) shows it see-through too. Everything inside the shape is painted opaque.
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // A write fails inside a firmware handler (a high score at game over); the box is shown once
    // that handler has finished, so that its modal loop cannot run the handler's timer again.
    settings_.set_failure_handler(
        [this](const std::string& name) { errors_.show_later(this, unsaved_setting_text(name)); });
    images_.set_observer([this](const Rect& r) { zoom_.update_game_rect(r); });
    FormCreate(prefetch);
}

void TForm1::FormCreate(PicturePrefetch* prefetch) {
    // The application title is the main window's: Qt would append a display name to every
    // other window's caption too, and theirs are given texts of their own.
    setWindowTitle(program_title);
    move_off_primary_screen(*this);
    fullscreen_mode_ =
        settings_.read_bool(settings::fullscreen_mode, settings::fullscreen_mode_default);
    commands_.set_check(MenuCommand::fullscreen, fullscreen_mode_);
    zoom_.load();
    Gfx_Init_Game(prefetch);
    // The key bindings and high scores are set up even after a layout error: without them every
    // key would stay unbound and the next game over could overwrite a better stored score.
    keys_.Key_Build_Names();
    keys_.Key_Load_Bindings();
    keys_.Key_Build_Hints(images_);
    engine_.read_hiscores();
}

void TForm1::Gfx_Init_Game(PicturePrefetch* prefetch) {
    const QRect screen = primary_screen_rect();
    surface_.fullscreen_mode = fullscreen_mode_;
    surface_.screen_width_px = screen.width();
    surface_.screen_height_px = screen.height();
    QtPictureLoader loader(prefetch);
    const LayoutResult result = zuzazizo::Gfx_Init_Game(base_dir_, surface_, images_, loader);
    if (fullscreen_mode_) game_menu_.draw_picture();
    apply_surface();
    if (result.status == LayoutStatus::config_missing) {
        errors_.show(config_missing_message);
        terminate();
    } else if (!result.ok()) {
        errors_.show(result.message);
    }
}

void TForm1::set_fullscreen_mode(bool fullscreen) {
    fullscreen_mode_ = fullscreen;
    commands_.set_check(MenuCommand::fullscreen, fullscreen);
    game_menu_.fold();
    drag_.end();
    settings_.write_bool(settings::fullscreen_mode, fullscreen);
    park_off_screen(*this);
    Gfx_Init_Game(nullptr);  // a later layout reads its files afresh
    // Also after a layout error: the window must not stay off-screen, where the user could no
    // longer reach its menu. When Config.ini is gone the program is ending anyway.
    if (!terminating_) place_on_screen(*this, fullscreen_mode_);
}

void TForm1::apply_surface() {
    zoom_.apply();
    shape_.apply(zoom_.view());
    update();
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), shape_.background());
    paint_images(painter, images_, event->rect(), zoom_.view(), devicePixelRatioF());
}

bool TForm1::start_sound(SoundChoice choice) {
    return start_sound_or_report(sound_, choice, settings_, errors_);
}

void TForm1::power_on() {
    place_on_screen(*this, fullscreen_mode_);
    show();
    raise();
    activateWindow();
    setFocus();
    engine_.set_mode(mode_startup);
}

void TForm1::terminate() {
    terminating_ = true;
    // Ends the event loop without the close handling; when the loop has not started yet, the
    // queued call ends it as soon as it does.
    QCoreApplication::exit(0);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

void TForm1::FormActivate() {
    if (!first_activation_) return;
    first_activation_ = false;
    if (splash_ && !splash_->has_played()) bring_to_front(*splash_);
}

void TForm1::pm_0_menuPopup() {
    splash_check_.refresh();
    // A right-click in fullscreen folds the in-window menu away before the popup shows.
    if (fullscreen_mode_ && game_menu_.is_open()) game_menu_.fold();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    QWidget::changeEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // An off-screen window may never be activated by the window manager (or there may be none),
    // so the first showing stands in for the first activation.
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    sound_.shut_down();
    event->accept();
    // The handheld is the application's main window: closing it ends the program whatever else
    // is open. Qt would only quit once no window is left visible, and an about box or manual
    // that was open, or hidden later by its Escape, would keep the process alive unseen.
    // Without a running event loop (a test driving the window) there is nothing to end.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    keys_input_.key_press(*event);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    keys_input_.key_release(*event);
}

void TForm1::focusOutEvent(QFocusEvent* event) {
    keys_input_.forget();
    QWidget::focusOutEvent(event);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    pointer_.press(*event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    pointer_.release(*event);
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    pointer_.move(*event);
}

bool TForm1::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    pointer_.hint(static_cast<const QHelpEvent&>(*event));
    return true;
}

}  // namespace zuzazizo
