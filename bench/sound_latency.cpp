// The sound output against a real sound server: how soon a sample is heard after its event, and
// how long the GUI thread is held up by the play, both for a sample after the device was closed
// for silence (the sound thread has to open it again) and for one while it is open. Linux only:
// it reads the kernel's account of the GUI thread.
//
// "Heard" is when the sample's first frame reaches the server's sink: the bench records the sink's
// monitor in 2 ms fragments (parecord, a pipe) and takes the arrival of the read holding the first
// loud frame, less the frames after it. The recording's own delay is not subtracted, so the figure
// is an upper bound. The GUI thread is kept turning by a zero timer from 100 ms before to 200 ms
// after the play: the longest gap between two turns, and how much of the window the thread was
// blocked, are what the sound output can have held it up at most. A window without any play gives
// the machine's own figures to compare with.
//
//   sound_latency [PLAYS] [MONITOR_SOURCE]     (bench/sound_latency.sh starts a private server)
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "frontend/sound/mixer_sound_sdl.h"

namespace {

using namespace zuzazizo;
using Clock = std::chrono::steady_clock;

constexpr int record_rate_hz = 44100;
constexpr int fragment_frames = record_rate_hz / 500;  // 2 ms

double ms_between(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Records the monitor through `parecord` on a thread of its own and notes when the first loud
// frame arrives after being armed. A separate process, so that the PulseAudio client library is
// not already loaded into the bench: the sound output loads and unloads it with SDL's audio, and
// what that costs belongs in the figures.
class MonitorRecorder {
  public:
    explicit MonitorRecorder(const std::string& source) {
        const std::string rate = "--rate=" + std::to_string(record_rate_hz);
        const std::string device = "--device=" + source;
        const char* args[] = {"parecord",     "--raw",        "--format=s16le",
                              rate.c_str(),   "--channels=1", "--latency-msec=2",
                              device.c_str(), nullptr};
        int ends[2];
        if (pipe(ends) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, ends[0]);
        const bool spawned = posix_spawnp(&pid_, "parecord", &actions, nullptr,
                                          const_cast<char* const*>(args), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        if (!spawned) {
            close(ends[0]);
            return;
        }
        fd_ = ends[0];
        thread_ = std::thread([this] { run(); });
    }
    ~MonitorRecorder() {
        if (fd_ < 0) return;
        stop_ = true;
        kill(pid_, SIGTERM);  // its pipe then ends, and the reading thread with it
        waitpid(pid_, nullptr, 0);
        if (thread_.joinable()) thread_.join();
        close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    void arm() {
        heard_at_ = 0;
        armed_ = true;
    }
    bool heard() const { return heard_at_.load() != 0; }
    Clock::time_point heard_at() const { return Clock::time_point(Clock::duration(heard_at_)); }

  private:
    void run() {
        std::vector<std::int16_t> buffer(fragment_frames * 4);
        while (!stop_) {
            const ssize_t got = read(fd_, buffer.data(), buffer.size() * 2);
            if (got <= 0) return;
            const Clock::time_point arrived = Clock::now();
            if (!armed_) continue;
            const auto end = buffer.begin() + got / 2;
            const auto loud =
                std::find_if(buffer.begin(), end, [](std::int16_t v) { return v != 0; });
            if (loud == end) continue;
            const auto frames_after = end - loud;
            const auto after = std::chrono::microseconds(frames_after * 1'000'000 / record_rate_hz);
            heard_at_ = (arrived - after).time_since_epoch().count();
            armed_ = false;
        }
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> armed_{false};
    std::atomic<Clock::rep> heard_at_{0};
};

void run_events_until(const std::function<bool()>& done, int limit_ms) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(limit_ms);
    while (!done() && Clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

struct Trial {
    double latency_ms = -1;     // event to first frame at the sink; -1 when never heard
    double play_ms = 0;         // the play call itself, on the GUI thread
    double longest_gap_ms = 0;  // between two turns of the GUI thread's event loop
    double blocked_ms = 0;      // of the window, neither running nor waiting for a core
    double starved_ms = 0;      // of the window, ready to run but waiting for a core
};

// The calling thread's time on a core and time ready but waiting for one, in nanoseconds. The
// first comes from the thread's CPU clock, which counts the running slice up to now; the kernel's
// scheduling account adds a wait to its total as the thread gets its core, so it is up to date
// whenever the thread itself reads it.
std::array<double, 2> thread_times_ns() {
    std::array<double, 2> times{};
    timespec cpu{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    times[0] = static_cast<double>(cpu.tv_sec) * 1e9 + static_cast<double>(cpu.tv_nsec);
    if (FILE* stat = std::fopen("/proc/thread-self/schedstat", "r")) {
        double on_core_ns = 0;
        if (std::fscanf(stat, "%lf %lf", &on_core_ns, &times[1]) != 2) times[1] = 0;
        std::fclose(stat);
    }
    return times;
}

// Keeps the event loop turning without a pause for 300 ms and calls `event` (if any) 100 ms in,
// from a timer like the game's own events. A loop that never sleeps is either running, waiting
// for a core (other programs; the machine is shared) or blocked: only the last can be the sound
// output's doing, so the kernel's account of the thread tells them apart.
Trial turn_event_loop(const std::function<void()>& event) {
    Trial trial;
    // Written in advance, so that recording a turn never faults a fresh page in: a page fault
    // waits whenever another thread maps or unmaps memory, and that wait would be the bench's own.
    static std::vector<Clock::time_point> turns(1'000'000);
    std::size_t turn_count = 0;
    QTimer spinner;
    QObject::connect(&spinner, &QTimer::timeout, [&] {
        if (turn_count < turns.size()) turns[turn_count++] = Clock::now();
    });
    spinner.start(0);
    if (event) {
        QTimer::singleShot(100, [&] {
            const Clock::time_point before = Clock::now();
            event();
            trial.play_ms = ms_between(before, Clock::now());
        });
    }
    const Clock::time_point began = Clock::now();
    const std::array<double, 2> before = thread_times_ns();
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    const std::array<double, 2> after = thread_times_ns();
    const double window_ms = ms_between(began, Clock::now());
    spinner.stop();
    for (std::size_t i = 1; i < turn_count; ++i) {
        trial.longest_gap_ms = std::max(trial.longest_gap_ms, ms_between(turns[i - 1], turns[i]));
    }
    trial.starved_ms = (after[1] - before[1]) / 1e6;
    trial.blocked_ms = std::max(0.0, window_ms - (after[0] - before[0]) / 1e6 - trial.starved_ms);
    return trial;
}

Trial play_and_listen(MixerSound& sound, MonitorRecorder& recorder) {
    recorder.arm();
    Clock::time_point event_at;
    Trial trial = turn_event_loop([&] {
        event_at = Clock::now();
        sound.play(Sample::move);
    });
    run_events_until([&] { return recorder.heard(); }, 1000);
    if (recorder.heard()) trial.latency_ms = ms_between(event_at, recorder.heard_at());
    return trial;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
double maximum(const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
}

std::string summary(const std::vector<double>& values) {
    if (values.empty()) return "none";
    char text[64];
    std::snprintf(text, sizeof text, "median %.2f, max %.2f", median(values), maximum(values));
    return text;
}

void report(const char* label, const std::vector<Trial>& trials, bool with_sound) {
    std::vector<double> latency, play, gap, blocked, starved;
    for (const Trial& t : trials) {
        if (t.latency_ms >= 0) latency.push_back(t.latency_ms);
        play.push_back(t.play_ms);
        gap.push_back(t.longest_gap_ms);
        blocked.push_back(t.blocked_ms);
        starved.push_back(t.starved_ms);
    }
    std::printf("%s, %zu windows (ms):\n", label, trials.size());
    if (with_sound) {
        std::printf("  heard after the event   %s (%zu of %zu heard)\n", summary(latency).c_str(),
                    latency.size(), trials.size());
        std::printf("  play() on the GUI thread %s\n", summary(play).c_str());
    }
    std::printf("  longest event-loop gap  %s\n", summary(gap).c_str());
    std::printf("  GUI thread blocked      %s\n", summary(blocked).c_str());
    std::printf("  GUI thread kept waiting for a core by the machine's load: %s\n",
                summary(starved).c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int plays = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::string monitor = argc > 2 ? argv[2] : "@DEFAULT_MONITOR@";

    MixerSound sound(QCoreApplication::applicationDirPath().toStdString());
    if (!sound.start(MixerOutput::primary)) {
        std::fprintf(stderr, "the sound output did not start: %s\n", sound.start_problem().c_str());
        return 1;
    }
    std::printf("driver: %s\n", sound.driver().c_str());
    MonitorRecorder recorder(monitor);
    if (!recorder.ok()) return 1;

    std::vector<Trial> after_silence, while_open, without_sound;
    for (int i = 0; i < plays; ++i) {
        run_events_until([&] { return !sound.is_device_open(); }, 5000);
        after_silence.push_back(play_and_listen(sound, recorder));
        // Past the sample's end and its way through the server, well before the idle close.
        run_events_until([] { return false; }, 300);
        while_open.push_back(play_and_listen(sound, recorder));
        without_sound.push_back(turn_event_loop({}));
    }
    report("first sample after the idle close", after_silence, true);
    report("sample while the device is open", while_open, true);
    report("no sample at all", without_sound, false);
    sound.shut_down();
    return 0;
}
