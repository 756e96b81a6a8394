#include "frontend/sound/mixer_sound_sdl.h"

#include <cstdlib>
#include <utility>

#include "frontend/sdl/mixer_library.h"
#include "frontend/sdl/sdl_library.h"

namespace zuzazizo {
namespace {

constexpr int mixing_rate_hz = 22050;
constexpr int mixing_channels = 64;
constexpr int output_channels = 2;
// 256 frames at 22050 Hz is 11.6 ms: a sample starts within about one buffer of its event.
constexpr int buffer_frames = 256;

// The mixer's channel-finished hook is a plain function without user data, so it reaches the
// one instance that holds the device through this pointer. It is set and cleared while the hook
// cannot run (before the device opens, after the hook is removed).
std::atomic<MixerSound*> active_sound{nullptr};

void channel_finished(int /*channel*/) {
    if (MixerSound* sound = active_sound.load()) sound->note_channel_finished();
}

std::vector<std::string> available_drivers(const SdlLibrary& sdl) {
    std::vector<std::string> names;
    const int count = sdl.get_num_audio_drivers();
    for (int i = 0; i < count; ++i) names.emplace_back(sdl.get_audio_driver(i));
    return names;
}

std::string env_driver() {
    const char* value = std::getenv("SDL_AUDIODRIVER");
    return value ? value : "";
}

}  // namespace

SoundLibraries platform_sound_libraries() {
    SoundLibraries found;
    found.sdl = sdl_library();
    if (!found.sdl) {
        found.problem = sdl_library_problem();
        return found;
    }
    found.mixer = mixer_library();
    if (!found.mixer) found.problem = mixer_library_problem();
    return found;
}

MixerSound::MixerSound(std::filesystem::path sound_base_dir,
                       std::function<SoundLibraries()> find_libraries)
    : base_dir_(std::move(sound_base_dir)), find_libraries_(std::move(find_libraries)) {}

MixerSound::~MixerSound() {
    shut_down();
}

bool MixerSound::fail(StartFailure failure, std::string problem) {
    failure_ = failure;
    problem_ = std::move(problem);
    return false;
}

bool MixerSound::start(MixerOutput output) {
    shut_down();  // a second start-up begins afresh, with the driver of the new output type
    failure_ = StartFailure::none;
    problem_.clear();
    SoundLibraries libraries = find_libraries_();
    if (!libraries.sdl || !libraries.mixer) {
        return fail(StartFailure::library, std::move(libraries.problem));
    }
    sdl_ = libraries.sdl;
    mix_ = libraries.mixer;
    MixerSound* expected = nullptr;
    if (!active_sound.compare_exchange_strong(expected, this)) {
        return fail(StartFailure::output, "The sound output is already in use.");
    }
    if (!open_first_driver(output)) {
        active_sound = nullptr;
        return fail(StartFailure::output,
                    std::string("No sound output could be opened (") + sdl_->get_error() + ").");
    }
    load_samples();
    // Only the first sample decides: the other four may be missing and simply stay silent.
    if (!is_loaded(Sample::gameover)) return fail(StartFailure::samples, {});
    start_sound_thread();
    return true;
}

bool MixerSound::open_first_driver(MixerOutput output) {
    for (const std::string& name :
         driver_candidates(output, env_driver(), available_drivers(*sdl_))) {
        if (!open_subsystem(name)) continue;
        if (open_device()) {
            driver_ = sdl_->get_current_audio_driver();
            return true;
        }
        close_subsystem();
    }
    return false;
}

bool MixerSound::open_subsystem(const std::string& driver) {
    // SDL reads its driver from a hint; an override is the only way to beat SDL_AUDIODRIVER, which
    // driver_candidates has already put first when it is set. The hint stays until the shut-down,
    // so the sound thread reopens the same driver without touching SDL's hints, which are not
    // safe to change while another thread reads them.
    sdl_->set_hint_with_priority(SDL_HINT_AUDIODRIVER, driver.c_str(), SDL_HINT_OVERRIDE);
    subsystem_open_ = sdl_->init_subsystem(SDL_INIT_AUDIO) == 0;
    return subsystem_open_;
}

void MixerSound::close_subsystem() {
    if (subsystem_open_) sdl_->quit_subsystem(SDL_INIT_AUDIO);
    subsystem_open_ = false;
}

bool MixerSound::open_device() {
    // No format changes allowed: SDL converts for the hardware, and the loaded samples, which the
    // mixer converted to this exact format, stay valid across an idle close and reopen.
    if (mix_->open_audio_device(mixing_rate_hz, AUDIO_S16SYS, output_channels, buffer_frames,
                                nullptr, 0) != 0) {
        return false;
    }
    // Opening resets the mixer to its default of 8 channels.
    mix_->allocate_channels(mixing_channels);
    mix_->channel_finished(channel_finished);
    device_open_ = true;
    return true;
}

void MixerSound::close_device() {
    if (!device_open_) return;
    mix_->close_audio();
    device_open_ = false;
}

void MixerSound::load_samples() {
    // All five loads come before any check, like the original start-up.
    for (const Sample sample : all_samples) {
        Mix_Chunk*& slot = chunks_[static_cast<std::size_t>(sample)];
        if (slot) continue;
        const std::u8string path = (base_dir_ / sample_file(sample)).u8string();
        slot = mix_->load_wav_rw(
            sdl_->rw_from_file(reinterpret_cast<const char*>(path.c_str()), "rb"), 1);
    }
}

void MixerSound::play(Sample sample) {
    Mix_Chunk* const sample_chunk = chunk(sample);
    if (!sample_chunk || !sound_thread_.joinable()) return;
    {
        // Only the sound thread holds the lock for long (opening or closing the device), so it is
        // tried, never waited for; the mixer's own lock, which playing takes, is held only while
        // a chunk is mixed.
        const std::unique_lock device(device_mutex_, std::try_to_lock);
        if (device.owns_lock() && device_open_) {
            mix_->play_channel_timed(-1, sample_chunk, 0, -1);
            return;
        }
    }
    queue_play(sample_chunk);
}

void MixerSound::queue_play(Mix_Chunk* sample_chunk) {
    {
        const std::lock_guard queue(queue_mutex_);
        // A server that does not answer must not make the queue grow without end: no more plays
        // wait than the mixer has channels to play them on.
        if (queued_.size() >= static_cast<std::size_t>(mixing_channels)) return;
        queued_.push_back({sample_chunk, Clock::now()});
    }
    queue_changed_.notify_one();
}

bool MixerSound::is_playing() {
    const std::lock_guard device(device_mutex_);
    return device_open_ && mix_->playing(-1) > 0;
}

void MixerSound::free_samples() {
    for (const Sample sample : all_samples) {
        Mix_Chunk*& slot = chunks_[static_cast<std::size_t>(sample)];
        if (slot) mix_->free_chunk(slot);
        slot = nullptr;
    }
}

void MixerSound::shut_down() {
    stop_sound_thread();
    if (active_sound.load() == this) {
        // Freeing a playing sample halts its channel, which would call the hook.
        mix_->channel_finished(nullptr);
        active_sound = nullptr;
    }
    free_samples();
    close_device();
    close_subsystem();
    if (sdl_) sdl_->reset_hint(SDL_HINT_AUDIODRIVER);
    driver_.clear();
}

}  // namespace zuzazizo
