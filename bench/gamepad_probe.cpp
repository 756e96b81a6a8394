// The program as shipped with a game controller plugged in: SDL's virtual joystick, attached
// before the event loop runs. Without arguments it only keeps the controller attached (for
// bench/idle_wakeups.sh); with "latency N" it presses the controller's north button (LIGHT) N
// times and prints how long each press took to show on the handheld.
//
// The presses come from a thread of their own at random moments, as a player's would, so they
// fall anywhere between two of the program's looks at SDL.
#include <SDL.h>

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "frontend/app/program.h"
#include "frontend/app/unit1.h"

namespace {

using namespace zuzazizo;
using Clock = std::chrono::steady_clock;

constexpr auto settle = std::chrono::milliseconds(2000);  // the window is up, the pad open
constexpr int min_gap_ms = 50;
constexpr int max_gap_ms = 150;
constexpr auto wait_step = std::chrono::milliseconds(1);
constexpr double median_share = 0.5;
constexpr double p90_share = 0.9;

std::int64_t now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Looks at the handheld whenever the main window gets an event: a press that reaches the
// handheld changes a picture, and the window asks for a repaint in the same turn of the loop.
// Nothing runs in between, so the probe adds no wake-ups of its own to the GUI thread.
class LatencyProbe final : public QObject {
  public:
    LatencyProbe(TForm1& form1, int device, int presses)
        : form1_(form1), device_(device), presses_(presses) {
        form1_.installEventFilter(this);
        presser_ = std::thread([this] { press_all(); });
    }
    ~LatencyProbe() override {
        done_ = true;
        presser_.join();
    }

    bool eventFilter(QObject* /*watched*/, QEvent* /*event*/) override {
        look();
        return false;
    }

  private:
    SDL_Joystick* joystick() const {
        return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device_));
    }
    void press_all() {
        std::this_thread::sleep_for(settle);
        std::mt19937 random(std::random_device{}());
        std::uniform_int_distribution<int> gap_ms(min_gap_ms, max_gap_ms);
        for (int i = 0; i < presses_ && !done_; ++i) {
            pressed_at_ns_ = now_ns();
            SDL_JoystickSetVirtualButton(joystick(), SDL_CONTROLLER_BUTTON_Y, 1);
            while (pressed_at_ns_ != 0 && !done_) std::this_thread::sleep_for(wait_step);
            SDL_JoystickSetVirtualButton(joystick(), SDL_CONTROLLER_BUTTON_Y, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(gap_ms(random)));
        }
    }
    void look() {
        const std::int64_t pressed_at = pressed_at_ns_;
        if (pressed_at == 0 || !form1_.images()[ImageId::btn_light_down].visible) return;
        samples_ms_.push_back(static_cast<double>(now_ns() - pressed_at) / 1e6);
        pressed_at_ns_ = 0;
        if (static_cast<int>(samples_ms_.size()) == presses_) {
            report();
            QApplication::quit();
        }
    }
    void report() {
        std::sort(samples_ms_.begin(), samples_ms_.end());
        const auto at = [this](double share) {
            return samples_ms_[static_cast<std::size_t>(
                share * static_cast<double>(samples_ms_.size() - 1))];
        };
        std::printf("%zu presses, press to handheld: median %.2f ms, 90%% %.2f ms, max %.2f ms\n",
                    samples_ms_.size(), at(median_share), at(p90_share), samples_ms_.back());
    }

    TForm1& form1_;
    int device_;
    int presses_;
    std::vector<double> samples_ms_;
    std::atomic<std::int64_t> pressed_at_ns_{0};
    std::atomic<bool> done_{false};
    std::thread presser_;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool latency = argc >= 3 && std::strcmp(argv[1], "latency") == 0;
    const int presses = latency ? std::stoi(argv[2]) : 0;
    std::unique_ptr<LatencyProbe> probe;
    const int result = run_program(argc, argv, [&](QApplication&, TForm1& form1) {
        const int device =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        if (device < 0) {
            std::fprintf(stderr, "no virtual controller: %s\n", SDL_GetError());
            return;
        }
        if (latency) probe = std::make_unique<LatencyProbe>(form1, device, presses);
    });
    probe.reset();
    return result;
}
