// The program as shipped with a game controller plugged in: SDL's virtual joystick, attached
// before the event loop runs. Without arguments it only keeps the controller attached (for
// bench/idle_wakeups.sh); with "latency N" it presses the controller's north button (LIGHT) N
// times and prints how long each press took to show on the handheld.
#include <SDL.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/unit1.h"

namespace {

using namespace zuzazizo;

constexpr int settle_ms = 2000;  // the window is up and the controller open
constexpr int press_gap_ms = 100;
constexpr double ns_per_ms = 1e6;
constexpr double median_share = 0.5;
constexpr double p90_share = 0.9;

class LatencyProbe {
  public:
    LatencyProbe(TForm1& form1, int device, int presses)
        : form1_(form1), device_(device), presses_(presses) {
        gap_.setSingleShot(true);
        QObject::connect(&gap_, &QTimer::timeout, [this] { press(); });
        // A zero timer looks at the handheld on every turn of the event loop, and runs only
        // between a press and its arrival.
        QObject::connect(&watch_, &QTimer::timeout, [this] { look(); });
        QTimer::singleShot(settle_ms, [this] { press(); });
    }

  private:
    SDL_Joystick* joystick() const {
        return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device_));
    }
    void press() {
        clock_.start();
        SDL_JoystickSetVirtualButton(joystick(), SDL_CONTROLLER_BUTTON_Y, 1);
        watch_.start(0);
    }
    void look() {
        if (!form1_.images()[ImageId::btn_light_down].visible) return;
        samples_ms_.push_back(static_cast<double>(clock_.nsecsElapsed()) / ns_per_ms);
        watch_.stop();
        SDL_JoystickSetVirtualButton(joystick(), SDL_CONTROLLER_BUTTON_Y, 0);
        if (static_cast<int>(samples_ms_.size()) < presses_) {
            gap_.start(press_gap_ms);
        } else {
            report();
            QApplication::quit();
        }
    }
    void report() {
        std::sort(samples_ms_.begin(), samples_ms_.end());
        const auto at = [this](double share) {
            return samples_ms_[static_cast<std::size_t>(share * (samples_ms_.size() - 1))];
        };
        std::printf("%zu presses, press to handheld: median %.2f ms, 90%% %.2f ms, max %.2f ms\n",
                    samples_ms_.size(), at(median_share), at(p90_share), samples_ms_.back());
    }

    TForm1& form1_;
    int device_;
    int presses_;
    QElapsedTimer clock_;
    QTimer gap_;
    QTimer watch_;
    std::vector<double> samples_ms_;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool latency = argc >= 3 && std::strcmp(argv[1], "latency") == 0;
    const int presses = latency ? std::stoi(argv[2]) : 0;
    std::unique_ptr<LatencyProbe> probe;
    return run_program(argc, argv, [&](QApplication&, TForm1& form1) {
        const int device =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        if (device < 0) {
            std::fprintf(stderr, "no virtual controller: %s\n", SDL_GetError());
            return;
        }
        if (latency) probe = std::make_unique<LatencyProbe>(form1, device, presses);
    });
}
