// Notices input devices coming and going without waking the program up to look.
//
// The kernel creates and removes the nodes under /dev/input as devices are plugged in and out,
// and udev changes their permissions once they are set up; inotify reports each of those to a
// descriptor that the event loop watches, so an idle program is never woken. /dev itself is
// watched too, for a system that has no /dev/input until the first input device appears.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <string>

namespace zuzazizo {

class InputDeviceWatch final : public QObject {
    Q_OBJECT

  public:
    // `dev_folder` holds `input_folder`; tests give folders of their own.
    explicit InputDeviceWatch(std::string dev_folder = "/dev",
                              std::string input_folder = "/dev/input");
    ~InputDeviceWatch() override;
    InputDeviceWatch(const InputDeviceWatch&) = delete;
    InputDeviceWatch& operator=(const InputDeviceWatch&) = delete;

    // False where inotify is missing: then only devices present at start-up are found.
    bool watching() const { return fd_ >= 0; }

  signals:
    void changed();

  private:
    void read_events();
    void watch_input_folder();

    std::string input_folder_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zuzazizo
