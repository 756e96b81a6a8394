// TForm1, the main window: the pictured handheld.
//
// It owns the core (image model, LCD, engine, key bindings) and adapts it to Qt: it paints the
// image model, turns key and mouse events into presses and releases, and runs the firmware's
// timers on the event loop. It computes no game logic of its own.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/engine/engine.h"
#include "core/input/dispatch.h"
#include "core/input/key_bindings.h"
#include "core/lcd/image_model.h"
#include "core/lcd/lcd.h"
#include "core/settings/settings_store.h"
#include "core/skin/view_scale.h"
#include "core/skin/window_surface.h"
#include "frontend/app/game_menu.h"
#include "frontend/app/menu_items.h"
#include "frontend/app/settings_backend_qt.h"
#include "frontend/app/shell_host.h"
#include "frontend/app/timer_host_qt.h"
#include "frontend/common/held_keys_qt.h"
#include "frontend/common/link_opener.h"
#include "frontend/sound/mixer_sound_sdl.h"
#include "frontend/windows/splash_host.h"

namespace zuzazizo {

class PopupMenu;
class TSplashForm;

// What tests may replace: the settings store and the folder the program's files are found in.
struct FormOptions {
    std::unique_ptr<SettingsBackend> backend;  // default: the per-user store
    std::string base_dir;                      // default: the executable's folder
};

class TForm1 final : public QWidget, public SplashHost {
    Q_OBJECT

  public:
    explicit TForm1(FormOptions options = {});
    ~TForm1() override;

    void set_splash(TSplashForm* splash) { splash_ = splash; }
    // The windows that the commands open; none until the program has made them.
    void set_shell(ShellHost* shell) { shell_ = shell; }
    Engine& engine() { return engine_; }
    const ImageModel& images() const { return images_; }
    SettingsStore& settings() { return settings_; }
    bool fullscreen_mode() const { return fullscreen_mode_; }
    bool first_activation() const { return first_activation_; }
    bool splash_menu_checked() const { return splash_menu_checked_; }
    bool game_menu_open() const { return game_menu_open_; }
    // True once the layout found no Config.ini and asked the program to end.
    bool terminating() const { return terminating_; }

    // For the key settings dialog, which stores accepted bindings and rebuilds the hints.
    KeyBindings& key_bindings() { return keys_; }
    ImageModel& image_model() { return images_; }

    // SplashHost.
    void set_sound_enabled(bool enabled) override { engine_.state.sound_enabled = enabled; }
    bool start_sound(SoundChoice choice) override;
    void set_splash_menu_checked(bool checked) override;
    void power_on() override;
    void clear_first_activation() override { first_activation_ = false; }
    void terminate() override;

    void FormActivate();

    // The commands (unit1_menu.cpp). Documents open through the desktop unless a test records
    // them; the alert of "Reset Hiscores" is the system's beep unless a test counts it.
    void set_link_opener(LinkOpener opener) { open_link_ = std::move(opener); }
    void set_beeper(std::function<void()> beep) { beep_ = std::move(beep); }
    PopupMenu& pm_0_menu() { return *pm_0_menu_; }
    const GameMenu& game_menu() const { return game_menu_; }
    void run_command(MenuCommand command);
    void pm_0_menuPopup();
    void pm_1_aboutClick();
    void pm_2_readmeClick();
    void pm_3_whatsnewClick();
    void pm_4_manualClick();
    void pm_6_configClick();
    void pm_7_keysClick();
    void pm_8_hiscoreClick();
    void pm_10_fullscreenClick();
    void pm_11_splashscreenClick();
    void pm_14_exitClick();
    void btn_game_menu_topClick();
    void Vid_Display_Game_Menu();
    // The one way the display mode changes: stored, laid out again, shaped and placed.
    void set_fullscreen_mode(bool fullscreen);
    // Zoom of the windowed mode and scale of fullscreen (unit1_zoom.cpp); both are stored.
    int zoom() const { return zoom_; }
    FullscreenScale fullscreen_scale() const { return fullscreen_scale_; }
    const ViewScale& view() const { return view_; }
    void set_zoom(int zoom);
    void set_fullscreen_scale(FullscreenScale scale);

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
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void FormCreate();
    void Gfx_Init_Game();
    void apply_surface();
    void update_window_shape();
    void centre_on_screen();
    void move_off_screen();
    void update_cursor(const QPoint& pos);
    bool handle_shortcut(std::uint16_t key);
    void build_menus();
    void draw_game_menu_picture();
    void set_fullscreen_check(bool checked);
    void open_document(const char* file_name);
    void im_backgroundMouseDown(ImageId image, const QMouseEvent& event);
    void im_backgroundMouseMove(const QMouseEvent& event);
    void load_zoom();
    void apply_view();
    void resize_about_centre();
    void key_down(const KeyStroke& stroke);
    void key_up(const KeyStroke& stroke);
    bool handle_zoom_key(const KeyStroke& stroke);
    bool swallow_zoom_release(const KeyStroke& stroke);
    std::optional<ImageId> hit_at(const QPoint& window_pos) const;
    void update_game_rect(const Rect& game);

    std::string base_dir_;
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
    ShellHost* shell_ = nullptr;
    bool fullscreen_mode_ = true;
    bool first_activation_ = true;
    bool splash_menu_checked_ = true;
    bool game_menu_open_ = false;
    bool terminating_ = false;
    PopupMenu* pm_0_menu_ = nullptr;  // owned by the window as its child
    GameMenu game_menu_;
    bool game_menu_button_pressed_ = false;
    LinkOpener open_link_;
    std::function<void()> beep_;
    // The image a left-button drag began on, and where in the window it was pressed.
    std::optional<ImageId> drag_surface_;
    std::int32_t drag_origin_x_ = 0;
    std::int32_t drag_origin_y_ = 0;
    int zoom_ = zoom_min;
    FullscreenScale fullscreen_scale_ = FullscreenScale::as_laid_out;
    ViewScale view_;
    std::vector<KeyId> zoom_keys_down_;  // their releases are not the handheld's either
    // Key events become strokes: a down per press and repeat, the repeats marked, one up.
    QtHeldKeys held_keys_{[this](const KeyStroke& stroke) { key_down(stroke); },
                          [this](const KeyStroke& stroke) { key_up(stroke); },
                          platform_pair_window_ms()};
};

}  // namespace zuzazizo
