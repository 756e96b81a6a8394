// How soon a sample is heard after its event: the time from a play to the start of the mixer pass
// that mixes the sample's first frame, which SDL's disk driver writes out at once. Measured with
// the device already open (a sample right after another) and after the device was closed for
// silence, when the play has to open it first. Prints the median and maximum of each.
#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "frontend/sound/mixer_sound_sdl.h"

namespace {

using namespace zuzazizo;
using Clock = std::chrono::steady_clock;

// Set by the mixer thread: when the first pass with sound in it began.
std::atomic<Clock::rep> heard_at{0};

void note_first_sound(void* /*user*/, Uint8* stream, int length) {
    if (heard_at.load() != 0) return;
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    const bool audible =
        std::any_of(samples, samples + length / 2, [](Sint16 s) { return s != 0; });
    if (audible) heard_at = Clock::now().time_since_epoch().count();
}

void run_events_until(const std::function<bool()>& done, int limit_ms = 3000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < limit_ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Plays one sample and returns the milliseconds until its first frame was mixed, or -1.
double one_latency_ms(MixerSound& sound) {
    heard_at = 0;
    Mix_SetPostMix(note_first_sound, nullptr);
    const Clock::time_point played = Clock::now();
    sound.play(Sample::move);
    Mix_SetPostMix(note_first_sound, nullptr);  // the play may have opened the device anew
    run_events_until([] { return heard_at.load() != 0; }, 1000);
    if (heard_at.load() == 0) return -1;
    const Clock::time_point heard{Clock::duration(heard_at.load())};
    return std::chrono::duration<double, std::milli>(heard - played).count();
}

void report(const char* label, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.2f ms, max %.2f ms over %zu plays%s\n", label, ms[ms.size() / 2],
                ms.back(), ms.size(), ms.front() < 0 ? " (some never heard)" : "");
}

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const std::string output = dir.filePath("output.raw").toStdString();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    // The disk driver warns at every open that it is the disk driver.
    SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
    QCoreApplication app(argc, argv);
    const int plays = argc > 1 ? std::atoi(argv[1]) : 20;

    MixerSound sound(QCoreApplication::applicationDirPath().toStdString());
    if (!sound.start(MixerOutput::primary) || sound.driver() != "disk") {
        std::fprintf(stderr, "the disk driver did not open (%s)\n", sound.driver().c_str());
        return 1;
    }
    // Shorter than the program's own delay, only so that the bench is quick; the reopen is the
    // same.
    constexpr int idle_close_ms = 100;
    sound.set_idle_close_delay_ms(idle_close_ms);
    std::mt19937 random(1);
    std::uniform_int_distribution<int> phase_us(0, 12000);  // anywhere in a mixing period
    std::vector<double> open_ms, reopened_ms;
    for (int i = 0; i < plays; ++i) {
        run_events_until([&] { return !sound.is_device_open(); });
        reopened_ms.push_back(one_latency_ms(sound));
        run_events_until([&] { return !sound.is_playing(); });
        std::this_thread::sleep_for(std::chrono::microseconds(phase_us(random)));
        open_ms.push_back(one_latency_ms(sound));
    }
    report("device open", open_ms);
    report("after the idle close", reopened_ms);
    sound.shut_down();
    return 0;
}
