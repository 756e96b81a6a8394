// Our sound output over SDL2_mixer: the five samples of the handheld, mixed on 64 channels.
//
// Start-up opens the first audio driver that works for the chosen output type (see
// mixer_drivers_sdl.h), loads the five samples from the Sound folder beside the executable and
// fails only when the first of them, Gameover, does not load (or when SDL or its mixer cannot be
// loaded at all). Each play starts the sample on any free channel, so a step and a strike sound
// together.
//
// Idle power: SDL's mixing thread wakes the process at every audio chunk (86 times a second with
// our 12 ms buffer), and pausing the device does not help, because a paused SDL 2 device keeps
// feeding silence at the same pace; some drivers also run a thread of their own while SDL's audio
// is initialised at all (ALSA's looks for new sound cards ten times a second). So once no channel
// has played for a while the device is closed and SDL's audio shut down.
//
// Opening them again is not free: with a sound server it means loading its client library,
// connecting to the server and setting up a stream, milliseconds at best and ten or more on a
// busy machine, too long to hold up the GUI thread. So the closing and the reopening are the work
// of a sound thread of our own: a play while the device is closed only queues the sample and wakes
// that thread, which reopens the device and starts the sample the moment it can
// (bench/sound_latency measures both delays). A play while the device is open starts the sample at
// once, on the caller's thread. The loaded samples outlive the device: it is always reopened with
// the same fixed format, so they stay valid.
//
// One instance may hold the audio device at a time (SDL_mixer is a process-wide singleton).
// Create, start, play and destroy it on one thread, the GUI thread in the program.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/sound/sound_output.h"
#include "frontend/sound/mixer_drivers_sdl.h"

struct Mix_Chunk;

namespace zuzazizo {

struct MixerLibrary;
struct SdlLibrary;

// SDL and its mixer as a start-up finds them, with the reason in words when one of them is
// missing or too old (then that one is null).
struct SoundLibraries {
    const SdlLibrary* sdl = nullptr;
    const MixerLibrary* mixer = nullptr;
    std::string problem;
};

// The platform's SDL and mixer, each loaded on first use.
SoundLibraries platform_sound_libraries();

class MixerSound final : public SoundOutput {
  public:
    // Why the last start-up failed.
    enum class StartFailure {
        none,
        library,  // SDL or SDL2_mixer is missing or too old: start_problem() says which
        output,   // not even SDL's silent driver opened: start_problem() says why
        samples,  // Gameover did not load: the Sound folder is broken
    };

    // `sound_base_dir` holds the "Sound" folder; in the program that is the executable's
    // directory, so the game finds its samples whatever folder it was started from.
    // `find_libraries` is called by each start-up; tests hand in libraries that fail to load.
    explicit MixerSound(std::filesystem::path sound_base_dir,
                        std::function<SoundLibraries()> find_libraries = platform_sound_libraries);
    ~MixerSound() override;
    MixerSound(const MixerSound&) = delete;
    MixerSound& operator=(const MixerSound&) = delete;

    // Opens audio and loads the five samples; false when that failed (see start_failure()). A
    // machine without any audio device still starts, on SDL's silent driver.
    bool start(MixerOutput output);
    StartFailure start_failure() const { return failure_; }
    // For a library or output failure, what went wrong in words for the player.
    const std::string& start_problem() const { return problem_; }

    // Never waits for the device: while it is closed, the sample is queued for the sound thread.
    void play(Sample sample) override;
    // Frees the five samples and closes audio; harmless when never started, and repeatable.
    void shut_down();

    // The SDL driver that opened, empty before start-up.
    const std::string& driver() const { return driver_; }
    bool is_loaded(Sample sample) const { return chunk(sample) != nullptr; }
    bool is_device_open() const { return device_open_; }
    // Whether SDL's audio is initialised; it is not while the device is closed for silence.
    bool is_audio_initialised() const { return subsystem_open_; }
    // Waits while the sound thread opens or closes the device: for tests and benchmarks only.
    bool is_playing();
    // How long the device stays open after the last channel fell silent.
    void set_idle_close_delay_ms(int delay_ms) { idle_close_delay_ms_ = delay_ms; }

    // Called by the mixer on its audio thread when a channel ends; only wakes the sound thread.
    void note_channel_finished();

  private:
    using Clock = std::chrono::steady_clock;
    struct QueuedPlay {
        Mix_Chunk* chunk;
        Clock::time_point asked_at;
    };
    static constexpr int default_idle_close_delay_ms = 1500;

    Mix_Chunk* chunk(Sample sample) const { return chunks_[static_cast<std::size_t>(sample)]; }
    bool fail(StartFailure failure, std::string problem);
    bool open_first_driver(MixerOutput output);
    bool open_subsystem(const std::string& driver);
    void close_subsystem();
    bool open_device();
    void close_device();
    void load_samples();
    void free_samples();
    void queue_play(Mix_Chunk* sample_chunk);

    // The sound thread (mixer_sound_thread.cpp).
    void start_sound_thread();
    void stop_sound_thread();
    void run_sound_thread();
    void serve(const std::vector<QueuedPlay>& plays, bool channel_ended);
    void play_queued(const std::vector<QueuedPlay>& plays);
    void close_if_still_idle();
    bool reopen();

    std::filesystem::path base_dir_;
    std::function<SoundLibraries()> find_libraries_;
    const SdlLibrary* sdl_ = nullptr;  // both loaded by the first start-up
    const MixerLibrary* mix_ = nullptr;
    std::array<Mix_Chunk*, all_samples.size()> chunks_{};
    std::string driver_;
    StartFailure failure_ = StartFailure::none;
    std::string problem_;
    std::atomic<bool> subsystem_open_{false};
    std::atomic<bool> device_open_{false};
    std::atomic<int> idle_close_delay_ms_{default_idle_close_delay_ms};

    // Held while the device is opened, closed or played on; the GUI thread only ever tries it.
    std::mutex device_mutex_;
    // Guards what the GUI and audio threads hand to the sound thread; never held around a call
    // into SDL.
    std::mutex queue_mutex_;
    std::condition_variable queue_changed_;
    std::vector<QueuedPlay> queued_;
    bool channel_ended_ = false;
    bool stopping_ = false;
    // The sound thread's own: when the silence will have lasted long enough to close.
    std::optional<Clock::time_point> idle_deadline_;
    std::thread sound_thread_;
};

}  // namespace zuzazizo
