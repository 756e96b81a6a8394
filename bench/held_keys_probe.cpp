// A window that feeds its keys through the held-key rule as the program's windows do, and prints
// what comes out, for bench/held_keys_release.sh:
//   down|repeat|up <key>  added_us=<rule's delay of the release>  server_us=<X event to handler>
// Mode "platform" takes the program's choice (no pairs on X11); "pairs" keeps X11's release/press
// pairs and holds each release back for the pair window, as where the server refuses.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "frontend/common/held_keys_qt.h"

namespace {

using Clock = std::chrono::steady_clock;

// The X server's event times are CLOCK_MONOTONIC milliseconds, as is this.
long long monotonic_us() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000 + ts.tv_nsec / 1000;
}

class ProbeWindow final : public QWidget {
  public:
    explicit ProbeWindow(int window_ms)
        : keys_([](const zuzazizo::KeyStroke& s) { report(s.repeat ? "repeat" : "down", s, 0, 0); },
                [this](const zuzazizo::KeyStroke& s) {
                    const auto added = Clock::now() - released_at_;
                    report("up", s,
                           std::chrono::duration_cast<std::chrono::microseconds>(added).count(),
                           monotonic_us() - static_cast<long long>(released_time_ms_) * 1000);
                },
                window_ms) {
        std::printf("window_ms %d\n", keys_.pair_window_ms());
        std::fflush(stdout);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override { keys_.key_press(*event); }
    void keyReleaseEvent(QKeyEvent* event) override {
        if (!event->isAutoRepeat()) {
            released_at_ = Clock::now();
            released_time_ms_ = event->timestamp();
        }
        keys_.key_release(*event);
    }

  private:
    static void report(const char* what, const zuzazizo::KeyStroke& s, long long added_us,
                       long long server_us) {
        std::printf("%s %u added_us=%lld server_us=%lld\n", what, s.key, added_us, server_us);
        std::fflush(stdout);
    }

    zuzazizo::QtHeldKeys keys_;
    Clock::time_point released_at_;
    quint64 released_time_ms_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool pairs = argc > 1 && std::strcmp(argv[1], "pairs") == 0;
    ProbeWindow window(pairs ? zuzazizo::repeat_pair_window_ms
                             : zuzazizo::platform_pair_window_ms());
    window.resize(200, 200);
    window.show();
    return app.exec();
}
