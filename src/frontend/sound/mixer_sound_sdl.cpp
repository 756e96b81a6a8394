#include "frontend/sound/mixer_sound_sdl.h"

#include <cstdlib>
#include <utility>
#include <vector>

#include <QMetaObject>

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
// one instance that holds the device through this pointer. It is set and cleared on the GUI
// thread while the hook cannot run (before the device opens, after the hook is removed).
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

MixerSound::MixerSound(std::filesystem::path sound_base_dir)
    : base_dir_(std::move(sound_base_dir)) {
    idle_timer_.setSingleShot(true);
    QObject::connect(&idle_timer_, &QTimer::timeout, [this] { close_if_idle(); });
}

MixerSound::~MixerSound() {
    shut_down();
}

bool MixerSound::start(MixerOutput output) {
    shut_down();  // a second start-up begins afresh, with the driver of the new output type
    sdl_ = sdl_library();
    mix_ = sdl_ ? mixer_library() : nullptr;
    if (!mix_) return false;
    MixerSound* expected = nullptr;
    if (!active_sound.compare_exchange_strong(expected, this)) return false;
    if (!open_first_driver(output)) {
        active_sound = nullptr;
        return false;
    }
    load_samples();
    // Only the first sample decides: the other four may be missing and simply stay silent.
    if (!is_loaded(Sample::gameover)) return false;
    arm_idle_close();
    return true;
}

bool MixerSound::open_first_driver(MixerOutput output) {
    // SDL reads its driver from a hint; an override is the only way to beat SDL_AUDIODRIVER, which
    // driver_candidates has already put first when it is set.
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
    sdl_->set_hint_with_priority(SDL_HINT_AUDIODRIVER, driver.c_str(), SDL_HINT_OVERRIDE);
    subsystem_open_ = sdl_->init_subsystem(SDL_INIT_AUDIO) == 0;
    sdl_->reset_hint(SDL_HINT_AUDIODRIVER);
    return subsystem_open_;
}

void MixerSound::close_subsystem() {
    if (subsystem_open_) sdl_->quit_subsystem(SDL_INIT_AUDIO);
    subsystem_open_ = false;
}

bool MixerSound::reopen() {
    // The driver that opened at start-up, named as SDL named it, opens again.
    if (!subsystem_open_ && !open_subsystem(driver_)) return false;
    return open_device();
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
    if (!sample_chunk) return;
    // Reopening before the channel starts means the sample is mixed from its first frame.
    if (!device_open_ && !reopen()) return;
    idle_timer_.stop();
    mix_->play_channel_timed(-1, sample_chunk, 0, -1);
}

bool MixerSound::is_playing() const {
    return device_open_ && mix_->playing(-1) > 0;
}

void MixerSound::note_channel_finished() {
    // Audio thread, inside the mixer's lock: touching the device here would deadlock or race, so
    // the decision is posted to the GUI thread. The flag keeps a burst of endings to one event.
    if (idle_check_posted_.exchange(true)) return;
    QMetaObject::invokeMethod(
        &idle_timer_,
        [this] {
            idle_check_posted_ = false;
            arm_idle_close();
        },
        Qt::QueuedConnection);
}

void MixerSound::arm_idle_close() {
    if (is_playing() || !device_open_) return;
    idle_timer_.start(idle_close_delay_ms_);
}

void MixerSound::close_if_idle() {
    if (is_playing()) return;
    close_device();
    // Some drivers keep a thread of their own while SDL's audio is merely initialised: ALSA's
    // looks for new sound cards ten times a second. Silence should cost no wake-ups at all.
    close_subsystem();
}

void MixerSound::free_samples() {
    for (const Sample sample : all_samples) {
        Mix_Chunk*& slot = chunks_[static_cast<std::size_t>(sample)];
        if (slot) mix_->free_chunk(slot);
        slot = nullptr;
    }
}

void MixerSound::shut_down() {
    idle_timer_.stop();
    if (active_sound.load() == this) {
        // Freeing a playing sample halts its channel, which would call the hook.
        mix_->channel_finished(nullptr);
        active_sound = nullptr;
    }
    free_samples();
    close_device();
    close_subsystem();
    driver_.clear();
}

}  // namespace zuzazizo
