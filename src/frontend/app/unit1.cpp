#include "frontend/app/unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include "core/skin/gfxinit.h"
#include "frontend/app/paths_qt.h"
#include "frontend/app/sound_startup.h"
#include "frontend/common/error_report_qt.h"
#include "frontend/common/program_title.h"
#include "frontend/skin/picture_loader_qt.h"
#include "frontend/windows/splash.h"

namespace zuzazizo {

namespace {

QRect primary_screen_rect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

TForm1::TForm1(FormOptions options)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      base_dir_(options.base_dir.empty() ? executable_dir() : options.base_dir),
      backend_(options.backend ? std::move(options.backend)
                               : std::make_unique<QtSettingsBackend>()),
      settings_(*backend_),
      sound_(base_dir_),
      engine_(EngineDeps{timer_host_, lcd_, sound_, settings_, wall_clock_, {}}),
      game_menu_(
          *this, images_, [this](std::size_t row) { run_command(menu_item_table[row].command); },
          [this] {
              game_menu_open_ = false;
              Vid_Display_Game_Menu();
          }),
      open_link_(desktop_link_opener()),
      beep_([] { QApplication::beep(); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A window with an alpha channel: what its shape cuts away is never painted and stays
    // transparent, so a compositor that draws the window's pixels rather than honouring its shape
    // (weston's XWayland) shows it see-through too. Everything inside the shape is painted opaque.
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // A write fails inside a firmware handler (a high score at game over); the box is shown once
    // that handler has finished, so that its modal loop cannot run the handler's timer again.
    settings_.set_failure_handler([this](const std::string& name) {
        const QString text = QString(
                                 "The setting \"%1\" could not be saved. The game goes on, but "
                                 "your settings and high scores may not be kept.")
                                 .arg(QString::fromStdString(name));
        QTimer::singleShot(0, this, [text] { show_error(text); });
    });
    images_.set_observer([this](const Rect& r) { update_game_rect(r); });
    build_menus();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    // The application title is the main window's: Qt would append a display name to every
    // other window's caption too, and theirs are given texts of their own.
    setWindowTitle(program_title);
    move_off_screen();
    fullscreen_mode_ =
        settings_.read_bool(settings::fullscreen_mode, settings::fullscreen_mode_default);
    set_fullscreen_check(fullscreen_mode_);
    load_zoom();
    Gfx_Init_Game();
    game_menu_open_ = false;
    // The key bindings and high scores are set up even after a layout error: without them every
    // key would stay unbound and the next game over could overwrite a better stored score.
    keys_.Key_Build_Names();
    keys_.Key_Load_Bindings();
    keys_.Key_Build_Hints(images_);
    engine_.read_hiscores();
    engine_.state.key_latch = false;
    engine_.state.game_a_latch = false;
    engine_.state.game_b_latch = false;
    engine_.state.hero_active = false;
}

void TForm1::Gfx_Init_Game() {
    const QRect screen = primary_screen_rect();
    surface_.fullscreen_mode = fullscreen_mode_;
    surface_.screen_width_px = screen.width();
    surface_.screen_height_px = screen.height();
    QtPictureLoader loader;
    const LayoutResult result = zuzazizo::Gfx_Init_Game(base_dir_, surface_, images_, loader);
    if (fullscreen_mode_) draw_game_menu_picture();
    apply_surface();
    if (result.status == LayoutStatus::config_missing) {
        show_error(QString::fromUtf8(config_missing_message.data(),
                                     static_cast<int>(config_missing_message.size())));
        terminate();
    } else if (!result.ok()) {
        show_error(QString::fromStdString(result.message));
    }
}

void TForm1::set_fullscreen_mode(bool fullscreen) {
    // Out of the window manager's fullscreen first, before the window is moved and resized.
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    fullscreen_mode_ = fullscreen;
    set_fullscreen_check(fullscreen);
    game_menu_open_ = false;
    Vid_Display_Game_Menu();
    drag_surface_.reset();  // a drag begun in the other mode must not jump the window
    settings_.write_bool(settings::fullscreen_mode, fullscreen);
    move_off_screen();
    Gfx_Init_Game();
    // Also after a layout error: the window must not stay off-screen, where the user could no
    // longer reach its menu. When Config.ini is gone the program is ending anyway.
    if (!terminating_) centre_on_screen();
}

void TForm1::apply_surface() {
    apply_view();
    update_window_shape();
    update();
}

void TForm1::move_off_screen() {
    const QRect screen = primary_screen_rect();
    move(-screen.width(), -screen.height());
}

void TForm1::centre_on_screen() {
    const QRect screen = primary_screen_rect();
    const int left = std::max((screen.width() - width()) / 2, 0);
    const int top = std::max((screen.height() - height()) / 2, 0);
    move(screen.left() + left, screen.top() + top);
    // The window manager is told of the fullscreen mode too: it then lets the window cover the
    // panels, and a compositor that places windows itself puts it at the screen's origin. Told
    // last, as any later move or resize of the window would take the state back.
    if (fullscreen_mode_) setWindowState(windowState() | Qt::WindowFullScreen);
}

bool TForm1::start_sound(SoundChoice choice) {
    return start_sound_or_report(sound_, choice, settings_);
}

void TForm1::power_on() {
    centre_on_screen();
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
    if (splash_ && !splash_->has_played()) {
        splash_->show();
        splash_->raise();
        splash_->activateWindow();
    }
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

}  // namespace zuzazizo
