// The mixer binding on SDL's disk driver, which writes the mixed output to a file we can read.
#include "frontend/sound/mixer_sound_sdl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <system_error>
#include <thread>

#include <SDL.h>
#include <SDL_mixer.h>
#include <QCoreApplication>

#include "sound/disk_audio.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

namespace fs = std::filesystem;
using testing::DiskOutput;
using testing::ScopedEnv;

// Runs the event loop until `done` or a generous limit; the limit only keeps a broken build from
// hanging, it is not what the tests measure.
bool run_until(const std::function<bool()>& done, int limit_ms = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

std::uintmax_t file_size_or_zero(const fs::path& file) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    return error ? 0 : size;
}

// Waits until the last sample has been mixed and the file has grown past its tail, however slowly
// the audio thread is scheduled. The driver writes through stdio, whose buffer may hold up to
// 4 KiB that the size does not show yet, and the chunk being mixed may not be written either.
void let_output_drain(MixerSound& sound, const fs::path& output_file) {
    ASSERT_TRUE(run_until([&] { return !sound.is_playing(); }));
    constexpr std::uintmax_t chunk_bytes = 256 * 2 * 2;  // frames x channels x 16 bits
    constexpr std::uintmax_t stdio_buffer_bytes = 4096;
    const std::uintmax_t tail_end =
        file_size_or_zero(output_file) + stdio_buffer_bytes + 2 * chunk_bytes;
    ASSERT_TRUE(run_until([&] { return file_size_or_zero(output_file) >= tail_end; }));
}

class DiskSound : public ::testing::Test {
  protected:
    void SetUp() override {
        ensure_qapp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = testing::fresh_test_dir(std::string("sound_") + info->name());
        testing::write_sound_folder(dir_);
        output_env_.emplace("SDL_DISKAUDIOFILE", output_file().string());
    }
    void TearDown() override { fs::remove_all(dir_); }

    DiskOutput output() const { return testing::read_disk_output(output_file()); }
    fs::path output_file() const { return dir_ / "out.raw"; }

    fs::path dir_;
    ScopedEnv driver_{"SDL_AUDIODRIVER", "disk"};
    std::optional<ScopedEnv> output_env_;  // set once dir_ exists
};

TEST_F(DiskSound, StartsOnTheDriverSdlIsToldToUseAndPlaysAWholeSample) {
    MixerSound sound(dir_);
    ASSERT_TRUE(sound.start(MixerOutput::primary));
    EXPECT_EQ(sound.driver(), "disk");
    for (const Sample sample : all_samples) EXPECT_TRUE(sound.is_loaded(sample));
    EXPECT_EQ(Mix_AllocateChannels(-1), 64);

    sound.play(Sample::start);
    let_output_drain(sound, output_file());
    sound.shut_down();

    const DiskOutput out = output();
    EXPECT_EQ(out.non_silent_frames(), testing::wav_frames(testing::sample_duration_ms))
        << "the sample was clipped or played more than once";
    EXPECT_EQ(out.peak(), testing::sample_amplitude);
}

TEST_F(DiskSound, TheAlternativeOutputAlsoYieldsToSdlsOwnChoice) {
    MixerSound sound(dir_);
    ASSERT_TRUE(sound.start(MixerOutput::alternative));
    EXPECT_EQ(sound.driver(), "disk");
}

TEST_F(DiskSound, WithoutGameoverTheStartUpFails) {
    fs::remove(dir_ / "Sound" / "Gameover.wav");
    MixerSound sound(dir_);
    EXPECT_FALSE(sound.start(MixerOutput::primary));
    EXPECT_FALSE(sound.is_loaded(Sample::gameover));
    // All five loads happen before the check.
    EXPECT_TRUE(sound.is_loaded(Sample::start));
}

TEST_F(DiskSound, OnlyGameoverIsCheckedSoAMissingMissStaysSilentAndTheRestPlays) {
    fs::remove(dir_ / "Sound" / "Miss.wav");
    MixerSound sound(dir_);
    ASSERT_TRUE(sound.start(MixerOutput::primary));
    EXPECT_FALSE(sound.is_loaded(Sample::miss));

    sound.play(Sample::miss);
    EXPECT_FALSE(sound.is_playing());
    sound.play(Sample::got);
    let_output_drain(sound, output_file());
    sound.shut_down();
    EXPECT_EQ(output().non_silent_frames(), testing::wav_frames(testing::sample_duration_ms));
}

TEST_F(DiskSound, TwoSamplesInQuickSuccessionSoundTogether) {
    MixerSound sound(dir_);
    ASSERT_TRUE(sound.start(MixerOutput::primary));
    sound.play(Sample::move);
    sound.play(Sample::got);
    EXPECT_EQ(Mix_Playing(-1), 2);
    let_output_drain(sound, output_file());
    sound.shut_down();

    // Each alone peaks at 6000; only both at once can reach 12000.
    EXPECT_EQ(output().peak(), 2 * testing::sample_amplitude);
}

TEST_F(DiskSound, MoreSamplesAtOnceThanTheMixersDefaultEightChannels) {
    MixerSound sound(dir_);
    ASSERT_TRUE(sound.start(MixerOutput::primary));
    constexpr int overlapping = 12;
    for (int i = 0; i < overlapping; ++i) sound.play(Sample::move);
    EXPECT_EQ(Mix_Playing(-1), overlapping);
}

TEST_F(DiskSound, IdleDeviceClosesAndTheNextPlayReopensItWithoutClipping) {
    MixerSound sound(dir_);
    sound.set_idle_close_delay_ms(20);
    ASSERT_TRUE(sound.start(MixerOutput::primary));
    sound.play(Sample::got);
    ASSERT_TRUE(run_until([&] { return !sound.is_device_open(); }));
    EXPECT_FALSE(sound.is_audio_initialised()) << "no driver thread may run through the silence";
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    EXPECT_EQ(sound.driver(), "disk") << "the driver is kept for the reopening";

    // Reopening the disk device starts a new output file: it holds only what follows. The
    // reopening is the sound thread's: the play only asks for it.
    sound.play(Sample::start);
    ASSERT_TRUE(run_until([&] { return sound.is_device_open(); }));
    EXPECT_EQ(Mix_AllocateChannels(-1), 64) << "reopening must restore the 64 channels";
    EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "disk");
    sound.set_idle_close_delay_ms(60'000);
    let_output_drain(sound, output_file());
    sound.shut_down();
    EXPECT_EQ(output().non_silent_frames(), testing::wav_frames(testing::sample_duration_ms));
}

TEST_F(DiskSound, PlaysAskedForWhileTheDeviceIsClosedAllSoundOnceItReopens) {
    MixerSound sound(dir_);
    sound.set_idle_close_delay_ms(20);
    ASSERT_TRUE(sound.start(MixerOutput::primary));
    ASSERT_TRUE(run_until([&] { return !sound.is_audio_initialised(); }));

    // Both wait for the sound thread, which opens the device once and starts both together.
    sound.play(Sample::move);
    sound.play(Sample::got);
    sound.set_idle_close_delay_ms(60'000);
    ASSERT_TRUE(run_until([&] { return sound.is_device_open(); }));
    let_output_drain(sound, output_file());
    sound.shut_down();
    EXPECT_EQ(output().peak(), 2 * testing::sample_amplitude) << "one of the two was lost";
}

TEST_F(DiskSound, ShutDownWhileAReopeningIsAskedForLeavesAudioClosed) {
    for (int round = 0; round < 5; ++round) {
        MixerSound sound(dir_);
        sound.set_idle_close_delay_ms(1);
        ASSERT_TRUE(sound.start(MixerOutput::primary));
        ASSERT_TRUE(run_until([&] { return !sound.is_audio_initialised(); }));
        sound.play(Sample::start);
        sound.shut_down();
        EXPECT_FALSE(sound.is_device_open());
        EXPECT_FALSE(sound.is_audio_initialised());
        EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    }
}

TEST_F(DiskSound, ShutDownWithoutStartAndTwiceIsHarmlessAndSilencesPlay) {
    {
        MixerSound never_started(dir_);
        never_started.shut_down();
        never_started.play(Sample::start);
        EXPECT_FALSE(never_started.is_device_open());
    }
    MixerSound sound(dir_);
    ASSERT_TRUE(sound.start(MixerOutput::primary));
    sound.play(Sample::start);
    sound.shut_down();
    sound.shut_down();
    for (const Sample sample : all_samples) EXPECT_FALSE(sound.is_loaded(sample));
    sound.play(Sample::start);
    EXPECT_FALSE(sound.is_device_open());
    EXPECT_TRUE(sound.driver().empty());

    // The device is free again for the next start-up.
    MixerSound next(dir_);
    EXPECT_TRUE(next.start(MixerOutput::primary));
}

TEST_F(DiskSound, OnlyOneInstanceHoldsTheMixer) {
    MixerSound first(dir_);
    MixerSound second(dir_);
    ASSERT_TRUE(first.start(MixerOutput::primary));
    EXPECT_FALSE(second.start(MixerOutput::primary));
    first.play(Sample::start);
    EXPECT_TRUE(first.is_playing());
}

TEST_F(DiskSound, WithoutAnyAudioDeviceTheStartUpFallsBackAndSucceeds) {
    // No SDL_AUDIODRIVER: the real drivers are tried first. This machine has no sound card, so
    // unless one of them opens, the silent driver must carry the start-up.
    ScopedEnv no_driver("SDL_AUDIODRIVER", std::nullopt);
    for (const MixerOutput output : {MixerOutput::primary, MixerOutput::alternative}) {
        MixerSound sound(dir_);
        ASSERT_TRUE(sound.start(output));
        EXPECT_FALSE(sound.driver().empty());
        EXPECT_NE(sound.driver(), "disk") << "the file driver is only used when asked for";
        sound.play(Sample::start);
        EXPECT_TRUE(sound.is_playing());
    }
}

}  // namespace
}  // namespace zuzazizo
