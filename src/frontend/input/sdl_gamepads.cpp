#include "frontend/input/sdl_gamepads.h"

#include <QApplication>
#include <QWidget>
#include <optional>

#include "frontend/sdl/sdl_library.h"

namespace zuzazizo {

namespace {

// 4 ms between looks: a press waits at most that long, well inside the 10 ms the game allows,
// and the wake-ups last only while a controller is plugged in.
constexpr int poll_interval_ms = 4;
// Just past SDL's own interval between rescans of /dev/input when it has no inotify watch there.
constexpr int second_look_ms = 3100;

std::optional<PadControl> control_of(std::uint8_t button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadControl::south;
        case SDL_CONTROLLER_BUTTON_B:
            return PadControl::east;
        case SDL_CONTROLLER_BUTTON_X:
            return PadControl::west;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadControl::north;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadControl::dpad_left;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadControl::dpad_right;
        default:
            return std::nullopt;
    }
}

bool is_device_arrival(const SDL_Event& event) {
    return event.type == SDL_CONTROLLERDEVICEADDED || event.type == SDL_JOYDEVICEADDED;
}

// Sets SDL's hints for the controller subsystem and starts it. Hints are SDL's defaults, so an
// SDL_... environment variable of the user's still wins over them.
bool start_subsystem(const SdlLibrary& sdl) {
    // Positions, not labels: the south button is GAME A on every make of pad.
    sdl.set_hint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    sdl.set_hint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    sdl.set_hint("SDL_JOYSTICK_DISABLE_UDEV", "1");
    return sdl.init_subsystem(SDL_INIT_GAMECONTROLLER) == 0;
}

}  // namespace

SdlGamepads::SdlGamepads(Engine& engine, QWidget& main_window)
    : map_(engine, [&main_window] {
          // Keys go to an open menu or to the window in front; the controller holds back alike.
          const QWidget* active = QApplication::activeWindow();
          return main_window.isEnabled() && QApplication::activePopupWidget() == nullptr &&
                 (active == nullptr || active == &main_window);
      }) {
    poll_timer_.setTimerType(Qt::PreciseTimer);
    poll_timer_.setInterval(poll_interval_ms);
    connect(&poll_timer_, &QTimer::timeout, this, &SdlGamepads::pump);
    second_look_.setSingleShot(true);
    second_look_.setInterval(second_look_ms);
    connect(&second_look_, &QTimer::timeout, this, &SdlGamepads::pump);
}

void SdlGamepads::start() {
    if (started_) return;
    sdl_ = sdl_library();
    started_ = sdl_ && start_subsystem(*sdl_);
    if (!started_) return;
    sdl_->add_event_watch(&SdlGamepads::watch_events, this);
    devices_.emplace();
    connect(&*devices_, &InputDeviceWatch::changed, this, &SdlGamepads::devices_changed);
    pump();  // the controllers plugged in before the start
}

SdlGamepads::~SdlGamepads() {
    if (!started_) return;
    sdl_->del_event_watch(&SdlGamepads::watch_events, this);
    for (const auto& [instance, controller] : open_) sdl_->game_controller_close(controller);
    sdl_->quit_subsystem(SDL_INIT_GAMECONTROLLER);
}

int SdlGamepads::watch_events(void* self, SDL_Event* event) {
    // Called by whoever queued the event, possibly off the GUI thread: only hand over.
    if (is_device_arrival(*event)) static_cast<SdlGamepads*>(self)->queue_pump();
    return 0;
}

void SdlGamepads::queue_pump() {
    QMetaObject::invokeMethod(this, &SdlGamepads::pump, Qt::QueuedConnection);
}

void SdlGamepads::devices_changed() {
    pump();
    second_look_.start();
}

void SdlGamepads::pump() {
    if (!started_) return;
    SDL_Event event;
    while (sdl_->poll_event(&event) != 0) handle(event);
    update_polling();
}

void SdlGamepads::handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (const auto control = control_of(event.cbutton.button)) {
                if (event.type == SDL_CONTROLLERBUTTONDOWN) {
                    map_.control_down(event.cbutton.which, *control);
                } else {
                    map_.control_up(event.cbutton.which, *control);
                }
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                map_.stick_x(event.caxis.which, event.caxis.value);
            }
            break;
        default:
            break;  // joystick-level events, the audio layer's device events, SDL's quit
    }
}

void SdlGamepads::open(int device_index) {
    const SDL_JoystickID instance = sdl_->joystick_get_device_instance_id(device_index);
    if (instance < 0 || open_.contains(instance)) return;
    if (SDL_GameController* controller = sdl_->game_controller_open(device_index)) {
        open_[instance] = controller;
    }
}

void SdlGamepads::close(std::int32_t instance) {
    const auto found = open_.find(instance);
    if (found == open_.end()) return;
    map_.pad_removed(instance);
    sdl_->game_controller_close(found->second);
    open_.erase(found);
}

void SdlGamepads::update_polling() {
    if (open_.empty()) {
        poll_timer_.stop();
    } else if (!poll_timer_.isActive()) {
        poll_timer_.start();
    }
}

}  // namespace zuzazizo
