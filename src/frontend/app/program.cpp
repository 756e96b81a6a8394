#include "frontend/app/program.h"

#include <QApplication>
#include <QThreadPool>
#include <cfenv>
#include <optional>

#include "core/windows/splash_rules.h"
#include "frontend/app/first_paint.h"
#include "frontend/app/paths_qt.h"
#include "frontend/app/platform_choice.h"
#include "frontend/app/program_shell.h"
#include "frontend/app/settings_backend_qt.h"
#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"
#include "frontend/input/sdl_gamepads.h"
#include "frontend/skin/picture_loader_qt.h"
#include "frontend/skin/picture_prefetch.h"
#include "frontend/windows/about.h"
#include "frontend/windows/dialog_style.h"
#include "frontend/windows/keys.h"
#include "frontend/windows/manual.h"
#include "frontend/windows/splash.h"
#include "frontend/windows/splash_prefetch.h"

namespace zuzazizo {

namespace {

// The sound layer and the painting code must never trap on a floating-point exception, so every
// exception is masked for the whole run and the caller's environment restored at the end.
class MaskedFloatingPoint {
  public:
    MaskedFloatingPoint() { std::feholdexcept(&saved_); }
    ~MaskedFloatingPoint() { std::fesetenv(&saved_); }
    MaskedFloatingPoint(const MaskedFloatingPoint&) = delete;
    MaskedFloatingPoint& operator=(const MaskedFloatingPoint&) = delete;

  private:
    std::fenv_t saved_{};
};

// Qt converts and scales large pictures on its global thread pool, whose idle threads would
// otherwise linger half a minute after the start and wake the process once more as they retire.
// A short expiry still lets one burst of work reuse them, and leaves the running clock the only
// thing that wakes the idle program.
constexpr int pooled_thread_expiry_ms = 250;

// The pictures of both layouts start decoding on the other cores before the first window is made;
// the layouts take them as they go. A fault here can only cost time: the layouts load whatever
// the prefetch does not hold.
std::vector<PictureRequest> prefetched_pictures(const SettingsStore& settings) {
    const bool fullscreen =
        settings.read_bool(settings::fullscreen_mode, settings::fullscreen_mode_default);
    return pictures_to_load(executable_dir(), fullscreen, QtPictureLoader());
}

bool splash_first(const SettingsStore& settings) {
    return splash_shows_at_start(
        settings.read_integer(settings::sound_mode, settings::sound_mode_default),
        settings.read_bool(settings::splash_screen, settings::splash_screen_default));
}

}  // namespace

void use_precise_event_dispatcher() {
    qputenv("QT_NO_GLIB", "1");
}

int run_program(int argc, char* argv[], const BeforeEventLoop& before_event_loop) {
    MaskedFloatingPoint floating_point;
    use_precise_event_dispatcher();
    choose_platform();
    QApplication app(argc, argv);
    QThreadPool::globalInstance()->setExpiryTimeout(pooled_thread_expiry_ms);
    use_metric_compatible_arial();
    QtSettingsBackend backend;
    const SettingsStore settings(backend);
    std::optional<PicturePrefetch> prefetch(std::in_place, prefetched_pictures(settings),
                                            prefetch_worker_count());
    // Kept through the first frames: its thread goes on to set up the fonts the splash paints.
    std::optional<SplashPrefetch> splash_prefetch;
    if (splash_first(settings)) splash_prefetch.emplace();

    // The one report every window's failures go through: the modal error box.
    const ErrorReport errors;
    TForm1 form1(FormOptions{}, errors, &*prefetch);
    TAboutForm about_form;
    TKeysForm keys_form(form1.key_bindings(), form1.image_model(), &form1);
    TManualForm manual_form(executable_dir(), errors);
    TSplashForm splash_form(form1, form1.settings(), splash_prefetch ? &*splash_prefetch : nullptr);
    ProgramShell shell(about_form, keys_form, manual_form);
    form1.set_splash(&splash_form);
    form1.set_shell(&shell);
    SdlGamepads gamepads(form1.engine(), form1);
    // Loading SDL and opening the controllers would only delay the first frame.
    after_first_paint({&form1, &splash_form}, [&gamepads] { gamepads.start(); });
    // Every layout has run: what no window took is dropped, and the workers end.
    prefetch.reset();

    if (before_event_loop) before_event_loop(app, form1);
    // The main window becomes visible as the loop starts when the splash screen has already
    // played. Otherwise it waits, unmapped, for the play action to show it: parked off-screen
    // it would be pulled partly back into view by a window manager, which keeps some of every
    // window on the screen.
    if (!form1.terminating() && splash_form.has_played()) form1.show();
    return QApplication::exec();
}

}  // namespace zuzazizo
