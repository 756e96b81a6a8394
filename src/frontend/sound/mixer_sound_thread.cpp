// The sound thread of MixerSound: it closes the device after a silence and opens it again for
// the next sample, so that neither ever holds up the GUI thread.
#include <utility>

#if defined(__linux__)
#include <sched.h>
#endif

#include "frontend/sdl/mixer_library.h"
#include "frontend/sdl/sdl_library.h"
#include "frontend/sound/mixer_sound_sdl.h"

namespace zuzazizo {
namespace {

// A sample asked for this long before the device could open again (a stalled sound server)
// belongs to an event long past: played now, it would sound out of step with the game.
constexpr auto stale_after = std::chrono::milliseconds(500);

// Whether the sound thread, once woken, may push the waker off its core. A play wakes the sound
// thread from the GUI thread, and the scheduler likes to run the woken thread on the waker's
// core at once: the GUI thread would then wait through the reopening. Asleep, the thread is
// therefore a batch thread, which the scheduler never lets preempt anyone on waking; it runs on
// a free core, or on the GUI thread's own as soon as that goes back to waiting for events.
// Awake it is an ordinary thread again, as are the threads SDL starts from it.
void let_waking_preempt(bool preempt) {
#if defined(__linux__)
    const sched_param normal{};
    sched_setscheduler(0, preempt ? SCHED_OTHER : SCHED_BATCH, &normal);
#else
    (void)preempt;
#endif
}

}  // namespace

void MixerSound::start_sound_thread() {
    stopping_ = false;
    channel_ended_ = false;
    queued_.clear();
    // The silence after the start-up counts like any other.
    idle_deadline_ = Clock::now() + std::chrono::milliseconds(idle_close_delay_ms_.load());
    sound_thread_ = std::thread([this] { run_sound_thread(); });
}

void MixerSound::stop_sound_thread() {
    if (!sound_thread_.joinable()) return;
    {
        const std::lock_guard queue(queue_mutex_);
        stopping_ = true;
    }
    queue_changed_.notify_one();
    sound_thread_.join();
    queued_.clear();  // plays asked for after the last service are not owed to anyone
}

void MixerSound::note_channel_finished() {
    // Audio thread, inside the mixer's lock: only hand over. Waking a thread costs nothing while
    // sound is playing anyway, and nothing at all once everything is silent.
    {
        const std::lock_guard queue(queue_mutex_);
        channel_ended_ = true;
    }
    queue_changed_.notify_one();
}

void MixerSound::run_sound_thread() {
    std::unique_lock queue(queue_mutex_);
    const auto has_work = [this] { return stopping_ || !queued_.empty() || channel_ended_; };
    for (;;) {
        let_waking_preempt(false);
        // With the device closed there is no deadline: the thread sleeps until the next play.
        if (idle_deadline_) {
            queue_changed_.wait_until(queue, *idle_deadline_, has_work);
        } else {
            queue_changed_.wait(queue, has_work);
        }
        let_waking_preempt(true);
        if (stopping_) return;
        const std::vector<QueuedPlay> plays = std::exchange(queued_, {});
        const bool channel_ended = std::exchange(channel_ended_, false);
        queue.unlock();
        serve(plays, channel_ended);
        queue.lock();
    }
}

void MixerSound::serve(const std::vector<QueuedPlay>& plays, bool channel_ended) {
    const std::lock_guard device(device_mutex_);
    if (!plays.empty()) play_queued(plays);
    const Clock::time_point now = Clock::now();
    if (!device_open_ || mix_->playing(-1) > 0) {
        // Closed, or sounding: a channel's end starts the count of the silence afresh.
        idle_deadline_.reset();
    } else if (!plays.empty() || channel_ended || !idle_deadline_) {
        idle_deadline_ = now + std::chrono::milliseconds(idle_close_delay_ms_.load());
    } else if (now >= *idle_deadline_) {
        close_if_still_idle();
    }
}

void MixerSound::play_queued(const std::vector<QueuedPlay>& plays) {
    const Clock::time_point now = Clock::now();
    bool any_fresh = false;
    for (const QueuedPlay& play : plays) any_fresh = any_fresh || now - play.asked_at < stale_after;
    if (!any_fresh || (!device_open_ && !reopen())) return;
    const Clock::time_point opened = Clock::now();
    for (const QueuedPlay& play : plays) {
        if (opened - play.asked_at < stale_after) {
            mix_->play_channel_timed(-1, play.chunk, 0, -1);
        }
    }
}

bool MixerSound::reopen() {
    // The driver that opened at start-up opens again: its name is still SDL's hint.
    if (!subsystem_open_) subsystem_open_ = sdl_->init_subsystem(SDL_INIT_AUDIO) == 0;
    if (subsystem_open_ && open_device()) return true;
    // No sound this time (the server went away, say); the next play tries again. Meanwhile the
    // silence must stay free of the driver's own threads, as after an idle close.
    close_subsystem();
    return false;
}

void MixerSound::close_if_still_idle() {
    {
        // A play that came while the device lock was held waits in the queue: it would only
        // reopen what this closes.
        const std::lock_guard queue(queue_mutex_);
        if (!queued_.empty()) return;
    }
    close_device();
    // Some drivers keep a thread of their own while SDL's audio is merely initialised: ALSA's
    // looks for new sound cards ten times a second. Silence should cost no wake-ups at all.
    close_subsystem();
    idle_deadline_.reset();
}

}  // namespace zuzazizo
