#include "frontend/input/input_device_watch.h"

#include <array>
#include <cstring>
#include <utility>

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace zuzazizo {

namespace {

// Attribute changes count: a node is created unreadable and made readable by udev a moment later.
#ifdef __linux__
constexpr std::uint32_t input_events = IN_CREATE | IN_DELETE | IN_MOVE | IN_ATTRIB;
constexpr std::size_t read_buffer_bytes = 4096;
#endif

}  // namespace

InputDeviceWatch::InputDeviceWatch(std::string dev_folder, std::string input_folder)
    : input_folder_(std::move(input_folder)) {
#ifdef __linux__
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return;
    inotify_add_watch(fd_, dev_folder.c_str(), IN_CREATE | IN_DELETE | IN_MOVE);
    watch_input_folder();
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { read_events(); });
#endif
}

InputDeviceWatch::~InputDeviceWatch() {
    notifier_.reset();
#ifdef __linux__
    if (fd_ >= 0) close(fd_);
#endif
}

void InputDeviceWatch::watch_input_folder() {
#ifdef __linux__
    inotify_add_watch(fd_, input_folder_.c_str(), input_events);
#endif
}

void InputDeviceWatch::read_events() {
#ifdef __linux__
    alignas(inotify_event) std::array<char, read_buffer_bytes> buffer{};
    bool any = false;
    while (read(fd_, buffer.data(), buffer.size()) > 0) any = true;
    if (!any) return;
    // Re-adding the watch is cheap and covers /dev/input appearing or being replaced, whatever
    // the event that told of it.
    watch_input_folder();
    emit changed();
#endif
}

}  // namespace zuzazizo
