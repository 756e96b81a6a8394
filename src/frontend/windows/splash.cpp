#include "frontend/windows/splash.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "core/common/program_release.h"
#include "frontend/common/key_codes_qt.h"
#include "frontend/common/window_centring_qt.h"
#include "frontend/windows/splash_prefetch.h"
#include "frontend/windows/splash_texts.h"

namespace zuzazizo {

TSplashForm::TSplashForm(SplashHost& host, SettingsStore& settings, SplashPrefetch* prefetch,
                         QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      host_(host),
      settings_(settings),
      prefetch_(prefetch),
      open_link_(desktop_link_opener()) {
    build_components();
    // Key preview: the form sees a key before the focused control does.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    // The unfolded driver list is a popup window of its own that takes the keyboard.
    cb_sound->view()->installEventFilter(this);
    FormCreate();
}

void TSplashForm::FormCreate() {
    la_game_title->setText(QString::fromLatin1(splash::game_title));
    la_version->setText(QString::fromLatin1(splash::version));
    la_release_date->setText(QString::fromLatin1(splash::release_date));

    const int sound_mode =
        settings_.read_integer(settings::sound_mode, settings::sound_mode_default);
    cb_sound->setCurrentIndex(sound_list_position(sound_mode).value_or(-1));
    chb_splashscreen->setChecked(
        settings_.read_bool(settings::splash_screen, settings::splash_screen_default));

    if (!splash_shows_at_start(sound_mode, chb_splashscreen->isChecked())) {
        move(-width(), -height());
        host_.clear_first_activation();
        btn_playClick();
        return;
    }
    centre_on_primary_screen(*this);
    cb_soundChange();
    // Connected only now, so that reading the stored choice above is not taken for a change.
    connect(cb_sound, &QComboBox::currentIndexChanged, this, [this] { cb_soundChange(); });
    show();
}

void TSplashForm::FormActivate() {
    cb_sound->setFocus(Qt::ActiveWindowFocusReason);
}

void TSplashForm::cb_soundChange() {
    const bool usable = splash_play_usable(cb_sound->currentText().toStdString());
    btn_play->setEnabled(usable);
    btn_play->setVisible(usable);
    btn_play_disabled->setVisible(!usable);
}

void TSplashForm::btn_playClick() {
    // Once per run: a second play would start the sound and power the handheld on again.
    if (played_) return;
    played_ = true;

    if (const auto play = sound_driver_play(cb_sound->currentText().toStdString())) {
        host_.set_sound_enabled(play->sound_enabled);
        settings_.write_integer(settings::sound_mode, static_cast<int>(play->choice));
        if (play->sound_enabled && !host_.start_sound(play->choice)) {
            host_.terminate();
            return;
        }
    }
    const bool show_at_startup = chb_splashscreen->isChecked();
    settings_.write_bool(settings::splash_screen, show_at_startup);
    host_.set_splash_menu_checked(show_at_startup);
    host_.power_on();
    hide();
}

bool TSplashForm::FormKeyDown(std::uint16_t key) {
    const std::optional<SplashKey> action = splash_key(key);
    if (action == SplashKey::quit) {
        host_.terminate();
        return true;
    }
    if (action != SplashKey::play || !btn_play->isEnabled() || played_) return false;
    btn_playClick();
    return true;
}

bool TSplashForm::show_at_startup_checked() const {
    return chb_splashscreen->isChecked();
}

void TSplashForm::btn_paypalClick() {
    open_link_(QUrl(QString::fromLatin1(splash::donation_address)));
}

void TSplashForm::la_website_2Click() {
    open_link_(QUrl(QString::fromLatin1(splash::website_address)));
}

void TSplashForm::la_email_2Click() {
    open_link_(QUrl(QString::fromLatin1(release::email_address)));
}

bool TSplashForm::event(QEvent* event) {
    if (event->type() == QEvent::Show) load_pictures();
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(event);
}

void TSplashForm::closeEvent(QCloseEvent* event) {
    // Play and Escape are the only ways on. A close request from the window manager or the task
    // bar is taken as the Escape it stands for: hidden instead, the form would leave the handheld
    // off-screen and the program running out of the user's reach.
    if (!played_) host_.terminate();
    QWidget::closeEvent(event);
}

bool TSplashForm::click_component(QObject* watched) {
    if (watched == btn_play) {
        if (btn_play->isEnabled()) btn_playClick();
    } else if (watched == btn_paypal) {
        btn_paypalClick();
    } else if (watched == la_website_2) {
        la_website_2Click();
    } else if (watched == la_email_2) {
        la_email_2Click();
    } else {
        return false;
    }
    return true;
}

bool TSplashForm::open_list_key(const QKeyEvent& event) {
    const std::uint16_t key = virtual_key_of(event);
    const std::optional<SplashKey> action = splash_key(key);
    if (!action) return false;
    // Moving through the unfolded list chooses as it goes, so the play keys take the highlighted
    // driver; Escape leaves the choice alone. Either way the list folds and the form acts.
    const QModelIndex highlighted = cb_sound->view()->currentIndex();
    if (action == SplashKey::play && highlighted.isValid())
        cb_sound->setCurrentIndex(highlighted.row());
    cb_sound->hidePopup();
    FormKeyDown(key);
    return true;
}

bool TSplashForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == cb_sound->view()) {
        return open_list_key(*static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::KeyPress) {
        // A key the focused control ignores travels up to the form; take it once only, where it
        // was first delivered.
        QWidget* target = focusWidget();
        if (watched != (target ? static_cast<QObject*>(target) : this)) return false;
        // Like the main window, it goes by the physical key: Shift+1 is the key 1, the keypad's
        // 1 is not.
        return FormKeyDown(virtual_key_of(*static_cast<QKeyEvent*>(event)));
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (mouse->button() != Qt::LeftButton || !widget ||
            !widget->rect().contains(mouse->position().toPoint())) {
            return false;
        }
        return click_component(watched);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zuzazizo
