// The end of the program: a close request to the main window ends the event loop whatever else
// is open, and the other windows' own ways of closing leave the program running.
#include <QComboBox>
#include <QTimer>

#include "form_fixture.h"
#include "frontend/app/program_shell.h"
#include "frontend/windows/about.h"
#include "frontend/windows/keys.h"
#include "frontend/windows/manual.h"
#include "frontend/windows/splash.h"

namespace zuzazizo {
namespace {

// What the event loop returns when nothing ended it within the time the user is promised.
constexpr int still_running = 99;
constexpr int promised_end_ms = 1000;
// Long enough for a close to have ended the loop had it meant to: it does so at once.
constexpr int settle_ms = 200;

struct ProgramEnd : FormFixture {
    ProgramEnd() {
        form = make_form();
        keys = std::make_unique<TKeysForm>(form->key_bindings(), form->image_model(), form.get());
        program_shell = std::make_unique<ProgramShell>(about, *keys, manual);
        form->set_shell(program_shell.get());
        form->show();
        form->power_on();
    }
    ~ProgramEnd() override {
        for (QWidget* window : std::initializer_list<QWidget*>{&about, keys.get(), &manual})
            window->hide();
    }

    // Runs the event loop as the program does and sends `request` from inside it; the result is
    // the loop's exit code, or still_running when the loop had to be stopped from outside.
    int run_loop_and(const std::function<void()>& request, int wait_ms = promised_end_ms) {
        QTimer::singleShot(0, form.get(), request);
        QTimer::singleShot(wait_ms, qApp, [] { QCoreApplication::exit(still_running); });
        return QCoreApplication::exec();
    }

    TAboutForm about;
    TManualForm manual{ZUZAZIZO_BIN_DIR, ErrorReport([](const QString&) {})};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TKeysForm> keys;
    std::unique_ptr<ProgramShell> program_shell;
};

TEST_F(ProgramEnd, ACloseRequestToTheMainWindowEndsTheProgramInEveryState) {
    const struct {
        const char* state;
        std::function<void(ProgramEnd&)> enter;
    } states[] = {
        {"nothing else open", [](ProgramEnd&) {}},
        {"about box open", [](ProgramEnd& t) { t.form->pm_1_aboutClick(); }},
        {"manual open", [](ProgramEnd& t) { t.form->pm_4_manualClick(); }},
        {"key dialog open", [](ProgramEnd& t) { t.form->pm_7_keysClick(); }},
        {"about box and manual open",
         [](ProgramEnd& t) {
             t.form->pm_1_aboutClick();
             t.form->pm_4_manualClick();
         }},
        {"a game running", [](ProgramEnd& t) { t.form->engine().set_mode(mode_game_a); }},
        {"game menu open",
         [](ProgramEnd& t) {
             t.form->set_fullscreen_mode(true);
             t.form->btn_game_menu_topClick();
         }},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(s.state);
        form->show();
        form->setEnabled(true);
        s.enter(*this);
        EXPECT_EQ(run_loop_and([this] { form->close(); }), 0);
        EXPECT_FALSE(form->isVisible());
        about.hide();
        manual.hide();
        keys->hide();
    }
}

TEST_F(ProgramEnd, ClosingTheOtherWindowsLeavesTheProgramRunning) {
    form->pm_1_aboutClick();
    EXPECT_EQ(run_loop_and([this] { about.close(); }, settle_ms), still_running);
    EXPECT_FALSE(about.isVisible());

    form->pm_4_manualClick();
    EXPECT_EQ(run_loop_and([this] { manual.close(); }, settle_ms), still_running);
    EXPECT_FALSE(manual.isVisible());

    form->pm_7_keysClick();
    EXPECT_EQ(run_loop_and([this] { keys->close(); }, settle_ms), still_running);
    EXPECT_FALSE(keys->isVisible());
    EXPECT_TRUE(form->isEnabled()) << "the key dialog's close gives the keys back";
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ProgramEnd, HidingTheAboutBoxAfterTheMainWindowClosedLeavesNoProgramBehind) {
    form->pm_1_aboutClick();
    const int code = run_loop_and([this] {
        form->close();
        about.FormKeyDown(vk::escape);
    });
    EXPECT_EQ(code, 0);
}

TEST_F(ProgramEnd, ACloseRequestToTheSplashScreenEndsTheProgramAsItsEscapeDoes) {
    // The splash screen offers no way on but play and Escape: hidden by a close request, it
    // would leave the handheld off-screen and the program running out of reach.
    TSplashForm splash(*form, form->settings());
    ASSERT_TRUE(splash.isVisible());
    EXPECT_EQ(run_loop_and([&splash] { splash.close(); }), 0);
    EXPECT_TRUE(form->terminating());
    EXPECT_EQ(settings->values.count("SoundMode"), 0u) << "nothing is written on the way out";
}

}  // namespace
}  // namespace zuzazizo
