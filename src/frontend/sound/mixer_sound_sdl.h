// Our sound output over SDL2_mixer: the five samples of the handheld, mixed on 64 channels.
//
// Start-up opens the first audio driver that works for the chosen output type (see
// mixer_drivers_sdl.h), loads the five samples from the Sound folder beside the executable and
// fails only when the first of them, Gameover, does not load. Each play starts the sample on any
// free channel at once, so a step and a strike sound together.
//
// Idle power: SDL's mixing thread wakes the process at every audio chunk (86 times a second with
// our 12 ms buffer), and pausing the device does not help, because a paused SDL 2 device keeps
// feeding silence at the same pace; some drivers also run a thread of their own while SDL's audio
// is initialised at all. So once no channel has played for a short while the device is closed and
// SDL's audio shut down, and the next play starts both again, on the same driver, before starting
// its sample (bench/sound_latency measures the delay). The loaded samples outlive the device: it
// is always reopened with the same fixed format, so they stay valid.
//
// One instance may hold the audio device at a time (SDL_mixer is a process-wide singleton).
// Create, use and destroy it on the GUI thread; the idle close needs that thread's event loop.
#pragma once

#include <array>
#include <atomic>
#include <filesystem>
#include <string>

#include <QTimer>

#include "core/sound/sound_output.h"
#include "frontend/sound/mixer_drivers_sdl.h"

struct Mix_Chunk;

namespace zuzazizo {

struct MixerLibrary;
struct SdlLibrary;

class MixerSound final : public SoundOutput {
  public:
    // `sound_base_dir` holds the "Sound" folder; in the program that is the executable's
    // directory, so the game finds its samples whatever folder it was started from.
    explicit MixerSound(std::filesystem::path sound_base_dir);
    ~MixerSound() override;
    MixerSound(const MixerSound&) = delete;
    MixerSound& operator=(const MixerSound&) = delete;

    // Opens audio and loads the five samples; false when Gameover could not be loaded. A machine
    // without any audio device still starts, on SDL's silent driver.
    bool start(MixerOutput output);
    void play(Sample sample) override;
    // Frees the five samples and closes audio; harmless when never started, and repeatable.
    void shut_down();

    // The SDL driver that opened, empty before start-up.
    const std::string& driver() const { return driver_; }
    bool is_loaded(Sample sample) const { return chunk(sample) != nullptr; }
    bool is_device_open() const { return device_open_; }
    // Whether SDL's audio is initialised; it is not while the device is closed for silence.
    bool is_audio_initialised() const { return subsystem_open_; }
    bool is_playing() const;
    // How long the device stays open after the last channel fell silent.
    void set_idle_close_delay_ms(int delay_ms) { idle_close_delay_ms_ = delay_ms; }

    // Called by the mixer on its audio thread when a channel ends; only posts to the GUI thread.
    void note_channel_finished();

  private:
    static constexpr int default_idle_close_delay_ms = 1500;

    Mix_Chunk* chunk(Sample sample) const { return chunks_[static_cast<std::size_t>(sample)]; }
    bool open_first_driver(MixerOutput output);
    bool open_subsystem(const std::string& driver);
    void close_subsystem();
    bool reopen();
    bool open_device();
    void close_device();
    void load_samples();
    void free_samples();
    void arm_idle_close();
    void close_if_idle();

    std::filesystem::path base_dir_;
    const SdlLibrary* sdl_ = nullptr;  // both loaded by the first start-up
    const MixerLibrary* mix_ = nullptr;
    std::array<Mix_Chunk*, all_samples.size()> chunks_{};
    std::string driver_;
    bool subsystem_open_ = false;
    bool device_open_ = false;
    int idle_close_delay_ms_ = default_idle_close_delay_ms;
    std::atomic<bool> idle_check_posted_{false};
    QTimer idle_timer_;
};

}  // namespace zuzazizo
