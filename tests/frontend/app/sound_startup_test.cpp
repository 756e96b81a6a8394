// The sound start-up as the play action runs it, with its failure path.
#include "frontend/app/sound_startup.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "frontend/common/error_report_qt.h"
#include "sound/disk_audio.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

namespace fs = std::filesystem;

class SoundStartUp : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_qapp();
        dir_ = testing::fresh_test_dir(
            std::string("startup_") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        testing::write_sound_folder(dir_);
        backend_.values = {{"SoundMode", "0"}, {"SplashScreen", "0"}};
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    QStringList errors_;
    const ErrorReport report_{[this](const QString& text) { errors_ << text; }};
    MemorySettingsBackend backend_;
    SettingsStore settings_{backend_};
    testing::ScopedEnv driver_{"SDL_AUDIODRIVER", "dummy"};
};

TEST_F(SoundStartUp, ChoicesMapToTheirOutputTypes) {
    EXPECT_EQ(mixer_output_for(SoundChoice::direct_sound), MixerOutput::primary);
    EXPECT_EQ(mixer_output_for(SoundChoice::multimedia), MixerOutput::alternative);
    EXPECT_EQ(mixer_output_for(SoundChoice::none), std::nullopt);
    EXPECT_EQ(static_cast<int>(MixerOutput::primary), 2);
    EXPECT_EQ(static_cast<int>(MixerOutput::alternative), 1);
}

TEST_F(SoundStartUp, ARealChoiceStartsTheMixerAndTouchesNoSetting) {
    MixerSound sound(dir_);
    EXPECT_TRUE(start_sound_or_report(sound, SoundChoice::multimedia, settings_, report_));
    EXPECT_EQ(sound.driver(), "dummy");
    EXPECT_TRUE(errors_.isEmpty());
    EXPECT_EQ(backend_.values["SoundMode"], "0");
    EXPECT_EQ(backend_.values["SplashScreen"], "0");
}

TEST_F(SoundStartUp, NoSoundStartsNothing) {
    MixerSound sound(dir_);
    EXPECT_TRUE(start_sound_or_report(sound, SoundChoice::none, settings_, report_));
    EXPECT_TRUE(sound.driver().empty());
    EXPECT_FALSE(sound.is_loaded(Sample::gameover));
    EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(SoundStartUp, WithoutGameoverTheBoxIsShownAndTheNextRunAsksForADriverAgain) {
    fs::remove(dir_ / "Sound" / "Gameover.wav");
    MixerSound sound(dir_);
    EXPECT_FALSE(start_sound_or_report(sound, SoundChoice::direct_sound, settings_, report_));
    EXPECT_EQ(errors_,
              QStringList{"Sound folder unproperly installed. Please reinstall the game."});
    EXPECT_EQ(backend_.values["SoundMode"], "-1");
    EXPECT_EQ(backend_.values["SplashScreen"], "1");
}

TEST_F(SoundStartUp, SamplesAreFoundBesideTheProgramNotInTheWorkingDirectory) {
    const fs::path working_dir = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    MixerSound sound(dir_);
    const bool started =
        start_sound_or_report(sound, SoundChoice::direct_sound, settings_, report_);
    fs::current_path(working_dir);
    EXPECT_TRUE(started);
    EXPECT_TRUE(errors_.isEmpty());
}

}  // namespace
}  // namespace zuzazizo
