// `TSplashForm` (module `splash`): title, release line and box picture of the simulator, the
// links, and the sound-driver choice that the play action stores before the handheld powers on.
//
// The form talks to the rest of the program only through SplashHost and the settings store, so
// it can be driven in tests without a handheld behind it. Components keep their designer names
// and are public, as on the form they were drawn on, so tests and the host can look at them.
#pragma once

#include <QWidget>
#include <cstdint>

#include "core/settings/settings_store.h"
#include "frontend/common/link_opener.h"
#include "frontend/windows/splash_host.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;

namespace zuzazizo {

class SplashPrefetch;

class TSplashForm final : public QWidget {
    Q_OBJECT

  public:
    // Builds the components and runs `FormCreate`: either the form stands centred and visible,
    // or, with a driver chosen before and the splash switched off, it plays at once, unseen.
    // Create it after the main window, whose host must already answer. The pictures come from
    // `prefetch` when the start-up decoded them ahead, and are decoded at the first showing if not.
    TSplashForm(SplashHost& host, SettingsStore& settings, SplashPrefetch* prefetch = nullptr,
                QWidget* parent = nullptr);

    // The desktop's default handler opens the links; tests record them instead.
    void set_link_opener(LinkOpener opener) { open_link_ = std::move(opener); }

    void FormActivate();
    void cb_soundChange();
    void btn_playClick();
    // `key` is a Windows virtual-key code; true when the key was used and goes no further.
    bool FormKeyDown(std::uint16_t key);
    void btn_paypalClick();
    void la_website_2Click();
    void la_email_2Click();

    bool has_played() const { return played_; }
    // The state of "Display this splash screen at startup", as the player left it.
    bool show_at_startup_checked() const;

    QLabel* im_background = nullptr;
    QLabel* im_box_picture = nullptr;
    QLabel* la_game_title = nullptr;
    QLabel* la_version = nullptr;
    QLabel* la_release_date = nullptr;
    QLabel* la_website_1 = nullptr;
    QLabel* la_website_2 = nullptr;
    QLabel* la_email_1 = nullptr;
    QLabel* la_email_2 = nullptr;
    QLabel* la_sound_select = nullptr;
    QComboBox* cb_sound = nullptr;
    QLabel* btn_play = nullptr;
    QLabel* btn_play_disabled = nullptr;
    QLabel* btn_paypal = nullptr;
    QCheckBox* chb_splashscreen = nullptr;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Key preview and the clicks of the pictured buttons and link labels.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_components();  // splash_layout.cpp
    void load_pictures();     // splash_layout.cpp, on the first showing
    void FormCreate();
    bool click_component(QObject* watched);
    bool open_list_key(const QKeyEvent& event);

    SplashHost& host_;
    SettingsStore& settings_;
    SplashPrefetch* prefetch_;
    LinkOpener open_link_;
    bool played_ = false;
    bool pictures_loaded_ = false;
};

}  // namespace zuzazizo
