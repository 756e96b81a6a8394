// The splash screen's creation, play action, keys and links, against a recording host.
#include "frontend/windows/splash.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "core/input/virtual_keys.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

using Calls = std::vector<std::string>;

// Records what the play action asks of the rest of the program, in order.
struct RecordingHost final : SplashHost {
    void set_sound_enabled(bool enabled) override {
        calls.push_back(enabled ? "sound_enabled" : "sound_disabled");
    }
    bool start_sound(SoundChoice choice) override {
        calls.push_back("start_sound " + std::to_string(static_cast<int>(choice)));
        return start_succeeds;
    }
    void set_splash_menu_checked(bool checked) override {
        calls.push_back(checked ? "menu checked" : "menu unchecked");
    }
    void power_on() override { calls.push_back("power_on"); }
    void clear_first_activation() override { calls.push_back("clear_first_activation"); }
    void terminate() override { calls.push_back("terminate"); }

    Calls calls;
    bool start_succeeds = true;
};

struct CountingBackend final : SettingsBackend {
    std::optional<std::string> read(const std::string& name) const override {
        return memory.read(name);
    }
    bool write(const std::string& name, const std::string& text) override {
        ++writes;
        return memory.write(name, text);
    }
    MemorySettingsBackend memory;
    int writes = 0;
};

class Splash : public ::testing::Test {
  protected:
    void SetUp() override { ensure_qapp(); }

    // A fresh run: the settings as the previous run left them (nullopt: never written) and a host
    // that has seen nothing yet.
    TSplashForm& create(std::optional<int> sound_mode, std::optional<bool> splash_screen) {
        form.reset();
        host.calls.clear();
        backend.memory.values.clear();
        backend.writes = 0;
        if (sound_mode) backend.memory.values["SoundMode"] = std::to_string(*sound_mode);
        if (splash_screen) backend.memory.values["SplashScreen"] = *splash_screen ? "1" : "0";
        form = std::make_unique<TSplashForm>(host, settings);
        form->set_link_opener([this](const QUrl& address) { opened.push_back(address); });
        return *form;
    }
    std::optional<std::string> stored(const char* name) const { return backend.memory.read(name); }

    RecordingHost host;
    CountingBackend backend;
    SettingsStore settings{backend};
    std::unique_ptr<TSplashForm> form;
    std::vector<QUrl> opened;
};

bool play_usable(const TSplashForm& splash) {
    return splash.btn_play->isVisible() && splash.btn_play->isEnabled() &&
           !splash.btn_play_disabled->isVisible();
}

TEST_F(Splash, FirstStartSelectsNothingAndShowsPlayDisabledWithItsHint) {
    TSplashForm& splash = create(std::nullopt, std::nullopt);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.cb_sound->currentIndex(), -1);
    EXPECT_TRUE(splash.cb_sound->currentText().isEmpty());
    EXPECT_TRUE(splash.chb_splashscreen->isChecked());
    EXPECT_FALSE(splash.btn_play->isVisible());
    EXPECT_TRUE(splash.btn_play_disabled->isVisible());
    EXPECT_EQ(splash.btn_play_disabled->toolTip(), "please select sound driver first");
    EXPECT_EQ(splash.btn_play_disabled->geometry(), splash.btn_play->geometry());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(backend.writes, 0);
}

TEST_F(Splash, ChoosingAnyItemMakesPlayUsable) {
    for (int item = 0; item < 3; ++item) {
        TSplashForm& splash = create(std::nullopt, std::nullopt);
        ASSERT_FALSE(play_usable(splash));
        splash.cb_sound->setCurrentIndex(item);
        EXPECT_TRUE(play_usable(splash)) << "item " << item;
    }
}

TEST_F(Splash, NoSoundUncheckedThenPlayStoresBothChoicesAndPowersOnSilently) {
    TSplashForm& splash = create(std::nullopt, std::nullopt);
    splash.cb_sound->setCurrentIndex(2);
    splash.chb_splashscreen->setChecked(false);
    QTest::mouseClick(splash.btn_play, Qt::LeftButton);

    EXPECT_EQ(host.calls, (Calls{"sound_disabled", "menu unchecked", "power_on"}));
    EXPECT_EQ(stored("SoundMode"), "2");
    EXPECT_EQ(stored("SplashScreen"), "0");
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(splash.has_played());
}

TEST_F(Splash, ARealOutputEnablesSoundAndStartsItBeforePoweringOn) {
    struct Case {
        int item;
        const char* start_call;
        const char* sound_mode;
    };
    for (const Case& c : {Case{0, "start_sound 0", "0"}, Case{1, "start_sound 1", "1"}}) {
        TSplashForm& splash = create(std::nullopt, std::nullopt);
        splash.cb_sound->setCurrentIndex(c.item);
        splash.btn_playClick();
        EXPECT_EQ(host.calls, (Calls{"sound_enabled", c.start_call, "menu checked", "power_on"}));
        EXPECT_EQ(stored("SoundMode"), c.sound_mode);
        EXPECT_EQ(stored("SplashScreen"), "1");
    }
}

TEST_F(Splash, AFailedSoundStartEndsTheProgramWithoutPoweringOn) {
    host.start_succeeds = false;
    TSplashForm& splash = create(std::nullopt, std::nullopt);
    splash.cb_sound->setCurrentIndex(0);
    splash.chb_splashscreen->setChecked(false);
    splash.btn_playClick();
    EXPECT_EQ(host.calls, (Calls{"sound_enabled", "start_sound 0", "terminate"}));
    EXPECT_EQ(stored("SplashScreen"), std::nullopt) << "the failure path owns that value";
}

class QuickStart : public Splash, public ::testing::WithParamInterface<int> {};

TEST_P(QuickStart, AChosenDriverWithTheSplashSwitchedOffPlaysAtOnceUnseen) {
    const int sound_mode = GetParam();
    TSplashForm& splash = create(sound_mode, false);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(splash.has_played());
    EXPECT_LT(splash.x() + splash.width(), 1) << "the form waits off the screen";
    EXPECT_LT(splash.y() + splash.height(), 1);

    Calls expected = {"clear_first_activation"};
    if (sound_mode == 2) {
        expected.push_back("sound_disabled");
    } else {
        expected.push_back("sound_enabled");
        expected.push_back("start_sound " + std::to_string(sound_mode));
    }
    expected.push_back("menu unchecked");
    expected.push_back("power_on");
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(stored("SoundMode"), std::to_string(sound_mode));
    EXPECT_EQ(stored("SplashScreen"), "0");
}

INSTANTIATE_TEST_SUITE_P(EachDriver, QuickStart, ::testing::Values(0, 1, 2));

TEST_F(Splash, AStoredValueThatIsNoItemSelectsNothingSoTheSplashShows) {
    for (const int sound_mode : {5, -1, 3}) {
        TSplashForm& splash = create(sound_mode, false);
        EXPECT_TRUE(splash.isVisible()) << sound_mode;
        EXPECT_EQ(splash.cb_sound->currentIndex(), -1);
        EXPECT_FALSE(splash.chb_splashscreen->isChecked());
        EXPECT_FALSE(play_usable(splash));
        EXPECT_TRUE(host.calls.empty());
    }
}

TEST_F(Splash, AChosenDriverWithTheSplashSwitchedOnWaitsWithPlayUsable) {
    TSplashForm& splash = create(1, true);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.cb_sound->currentText(), "Windows MultiMedia");
    EXPECT_TRUE(play_usable(splash));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(Splash, DigitOneAndEnterPlayOnlyWhenPlayIsUsable) {
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_Return, Qt::Key_Enter}) {
        TSplashForm& splash = create(std::nullopt, std::nullopt);
        splash.FormActivate();
        QTest::keyClick(splash.cb_sound, key);
        EXPECT_TRUE(host.calls.empty()) << "nothing chosen yet";
        EXPECT_FALSE(splash.has_played());

        splash.cb_sound->setCurrentIndex(2);
        QTest::keyClick(splash.cb_sound, key);
        EXPECT_EQ(host.calls, (Calls{"sound_disabled", "menu checked", "power_on"}));
        EXPECT_FALSE(splash.isVisible());
    }
}

TEST_F(Splash, ThePhysicalKeyOneCountsWithShiftButNotOnTheKeypad) {
    // X11 (evdev) codes of the main block's 1 and of the keypad's 1 (numlock on).
    constexpr quint32 scan_1 = 10;
    constexpr quint32 scan_keypad_1 = 87;
    TSplashForm& splash = create(2, true);
    splash.FormActivate();
    QKeyEvent keypad(QEvent::KeyPress, Qt::Key_1, Qt::KeypadModifier, scan_keypad_1, 0, 0, "1");
    QCoreApplication::sendEvent(splash.cb_sound, &keypad);
    EXPECT_TRUE(host.calls.empty()) << "the keypad's 1 is a key of its own";

    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, scan_1, 0, 0, "!");
    QCoreApplication::sendEvent(splash.cb_sound, &shifted);
    EXPECT_EQ(host.calls, (Calls{"sound_disabled", "menu checked", "power_on"}));
}

TEST_F(Splash, KeysReachTheFormFirstWhicheverControlHasTheFocus) {
    TSplashForm& splash = create(0, true);
    splash.chb_splashscreen->setFocus();
    QTest::keyClick(splash.chb_splashscreen, Qt::Key_Space);
    EXPECT_FALSE(splash.chb_splashscreen->isChecked()) << "other keys go on to the control";
    QTest::keyClick(splash.chb_splashscreen, Qt::Key_1);
    EXPECT_EQ(host.calls, (Calls{"sound_enabled", "start_sound 0", "menu unchecked", "power_on"}));
}

TEST_F(Splash, EscapeEndsTheProgramWithoutWritingAnything) {
    TSplashForm& splash = create(1, true);
    splash.cb_sound->setCurrentIndex(2);
    splash.chb_splashscreen->setChecked(false);
    QTest::keyClick(splash.cb_sound, Qt::Key_Escape);
    EXPECT_EQ(host.calls, (Calls{"terminate"}));
    EXPECT_EQ(backend.writes, 0);
    EXPECT_FALSE(splash.has_played());
}

// With the driver list unfolded its popup has the keyboard; the form still sees Escape, Enter
// and 1 first, and Enter or 1 take the highlighted driver, as moving through the list chooses it.
TEST_F(Splash, KeysReachTheFormFirstWhileTheDriverListIsOpen) {
    const struct {
        const char* what;
        Qt::Key key;
        int highlighted;
        Calls calls;
    } cases[] = {
        {"Escape", Qt::Key_Escape, 1, {"terminate"}},
        {"Enter", Qt::Key_Return, 2, {"sound_disabled", "menu checked", "power_on"}},
        {"1", Qt::Key_1, 0, {"sound_enabled", "start_sound 0", "menu checked", "power_on"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TSplashForm& splash = create(std::nullopt, std::nullopt);
        splash.show();
        splash.FormActivate();
        splash.cb_sound->showPopup();
        QAbstractItemView* list = splash.cb_sound->view();
        ASSERT_TRUE(list->isVisible());
        list->setCurrentIndex(splash.cb_sound->model()->index(c.highlighted, 0));
        QTest::keyClick(list, c.key);
        EXPECT_EQ(host.calls, c.calls) << "one key is enough";
        EXPECT_FALSE(list->isVisible());
        splash.hide();
    }
}

TEST_F(Splash, LinksOpenTheirAddressesAndLeaveTheSplashAndSettingsAlone) {
    TSplashForm& splash = create(std::nullopt, std::nullopt);
    QTest::mouseClick(splash.la_website_2, Qt::LeftButton);
    QTest::mouseClick(splash.la_email_2, Qt::LeftButton);
    QTest::mouseClick(splash.btn_paypal, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].scheme(), "http");
    EXPECT_EQ(opened[0].host(), "www.example.org");
    EXPECT_EQ(opened[1], QUrl("mailto:zuzazizo@example.org"));
    EXPECT_EQ(opened[2].scheme(), "https") << "the donation page is a secure address";
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(backend.writes, 0);
}

TEST_F(Splash, ThePlayActionRunsOncePerRun) {
    TSplashForm& splash = create(std::nullopt, std::nullopt);
    splash.cb_sound->setCurrentIndex(0);
    splash.btn_playClick();
    const int writes_after_first = backend.writes;
    splash.btn_playClick();
    splash.FormKeyDown(vk::digit(1));
    splash.FormKeyDown(13);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "power_on"), 1);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "start_sound 0"), 1);
    EXPECT_EQ(backend.writes, writes_after_first);
}

TEST_F(Splash, ActivationPutsTheFocusOnTheDriverList) {
    TSplashForm& splash = create(std::nullopt, std::nullopt);
    splash.chb_splashscreen->setFocus();
    splash.FormActivate();
    EXPECT_EQ(splash.focusWidget(), splash.cb_sound);
}

}  // namespace
}  // namespace zuzazizo
