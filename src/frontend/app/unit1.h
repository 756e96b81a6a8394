// TForm1, the main window: the pictured handheld.
//
// It owns the core (image model, LCD, engine, key bindings) and the window, and adapts one to the
// other: it paints the image model, turns key and mouse events into presses and releases, and
// runs the firmware's timers on the event loop. Each of its other concerns is an object of its
// own that it forwards to: the menu commands, the splash check mark, the game menu, the zoom, the
// drag and the window's shape. It computes no game logic of its own.
#pragma once

#include <QWidget>
#include <memory>

#include "core/engine/engine.h"
#include "core/input/dispatch.h"
#include "core/input/key_bindings.h"
#include "core/lcd/lcd.h"
#include "frontend/app/game_menu.h"
#include "frontend/app/menu_commands.h"
#include "frontend/app/splash_check.h"
#include "frontend/app/timer_host_qt.h"
#include "frontend/app/window_drag.h"
#include "frontend/app/window_keys.h"
#include "frontend/app/window_pointer.h"
#include "frontend/app/window_shape.h"
#include "frontend/app/window_zoom.h"
#include "frontend/common/error_report_qt.h"
#include "frontend/sound/mixer_sound_sdl.h"
#include "frontend/windows/splash_host.h"

namespace zuzazizo {

class PicturePrefetch;
class TSplashForm;

// What tests and tools may replace: the settings store, the folder the program's files are found
// in, and the handheld's time and chance, so that a run can be played again exactly.
struct FormOptions {
    std::unique_ptr<SettingsBackend> backend;  // default: the per-user store
    std::string base_dir;                      // default: the executable's folder
    TimerHost* timer_host = nullptr;           // default: the event loop's timers
    const WallClock* wall_clock = nullptr;     // default: the computer's local time
    std::function<int()> random_bit = {};      // default: seeded from the clock
};

class TForm1 final : public QWidget, public SplashHost {
    Q_OBJECT

  public:
    // Failures go to `errors`; the first layout takes what it can from `prefetch`.
    explicit TForm1(FormOptions options = {}, ErrorReport errors = {},
                    PicturePrefetch* prefetch = nullptr);

    void set_splash(TSplashForm* splash) { splash_ = splash, splash_check_.set_splash(splash); }
    void set_shell(ShellHost* shell) { commands_.set_shell(shell); }
    // Documents open through the desktop and "Reset Hiscores" beeps unless a test records them.
    void set_link_opener(LinkOpener opener) { commands_.set_link_opener(std::move(opener)); }
    void set_beeper(std::function<void()> beep) { commands_.set_beeper(std::move(beep)); }
    Engine& engine() { return engine_; }
    const ImageModel& images() const { return images_; }
    SettingsStore& settings() { return settings_; }
    bool fullscreen_mode() const { return fullscreen_mode_; }
    bool splash_menu_checked() const { return splash_check_.checked(); }
    bool game_menu_open() const { return game_menu_.is_open(); }
    // True once the layout found no Config.ini and asked the program to end.
    bool terminating() const { return terminating_; }
    // For the key settings dialog, which stores accepted bindings and rebuilds the hints.
    KeyBindings& key_bindings() { return keys_; }
    ImageModel& image_model() { return images_; }
    PopupMenu& pm_0_menu() { return commands_.popup(); }
    const GameMenu& game_menu() const { return game_menu_; }
    int zoom() const { return zoom_.zoom(); }
    FullscreenScale fullscreen_scale() const { return zoom_.fullscreen_scale(); }
    const ViewScale& view() const { return zoom_.view(); }

    // SplashHost.
    void set_sound_enabled(bool enabled) override { engine_.state.sound_enabled = enabled; }
    bool start_sound(SoundChoice choice) override;
    void set_splash_menu_checked(bool checked) override { splash_check_.set(checked); }
    void power_on() override;
    void clear_first_activation() override { first_activation_ = false; }
    void terminate() override;

    void FormActivate();
    void pm_0_menuPopup();
    void pm_1_aboutClick() { commands_.about(); }
    void pm_2_readmeClick() { commands_.readme(); }
    void pm_3_whatsnewClick() { commands_.whatsnew(); }
    void pm_4_manualClick() { commands_.manual(); }
    void pm_6_configClick() { commands_.config(); }
    void pm_7_keysClick() { commands_.keys(); }
    void pm_8_hiscoreClick() { commands_.reset_hiscores(); }
    void pm_10_fullscreenClick() { set_fullscreen_mode(!fullscreen_mode_); }
    void pm_11_splashscreenClick() { splash_check_.toggle(); }
    void pm_14_exitClick() { terminate(); }
    void btn_game_menu_topClick() { game_menu_.toggle(commands_.checks()); }
    void Vid_Display_Game_Menu() { game_menu_.display(commands_.checks()); }
    // The one way the display mode changes: stored, laid out again, shaped and placed.
    void set_fullscreen_mode(bool fullscreen);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void FormCreate(PicturePrefetch* prefetch);
    void Gfx_Init_Game(PicturePrefetch* prefetch);
    void apply_surface();

    std::string base_dir_;
    ErrorReport errors_;
    std::unique_ptr<SettingsBackend> backend_;
    SettingsStore settings_;
    QtTimerHost timer_host_;
    ImageModel images_;
    Lcd lcd_{images_};
    SystemWallClock wall_clock_;
    MixerSound sound_;
    Engine engine_;
    KeyBindings keys_{settings_};
    InputDispatch dispatch_{keys_, engine_};
    GameSurface surface_;

    TSplashForm* splash_ = nullptr;
    bool fullscreen_mode_ = true;
    bool first_activation_ = true;
    bool terminating_ = false;
    MenuCommands commands_;
    SplashCheck splash_check_{settings_, commands_};
    GameMenu game_menu_;
    WindowZoom zoom_;
    WindowDrag drag_{*this};
    WindowShape shape_{*this, images_, surface_};
    WindowKeys keys_input_{zoom_, commands_, dispatch_, [this] { close(); }};
    WindowPointer pointer_{{*this, images_, zoom_, dispatch_, drag_, game_menu_, keys_input_},
                           [this] { return fullscreen_mode_; },
                           [this] { btn_game_menu_topClick(); }};
};

}  // namespace zuzazizo
