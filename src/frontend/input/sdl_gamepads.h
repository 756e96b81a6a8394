// Game controllers through SDL's game controller API, feeding the handheld's buttons.
//
// SDL only learns of controllers and their buttons when it is asked (SDL_PollEvent), so a
// program that wants no wake-ups at rest must choose when to ask. With no controller open this
// class never asks on a timer: it asks once when a node under /dev/input changes (inotify, see
// InputDeviceWatch) and once when SDL itself queues a new device from any other source (the
// virtual joysticks of SDL_JoystickAttachVirtual), through an event watch. While at least one
// controller is open it asks every few milliseconds, so a press reaches the game well within
// 10 ms.
//
// SDL is told to find devices through its own inotify scan of /dev/input rather than through
// udev: then every change SDL can act on is also a change this class is woken by, and the two
// cannot race. SDL's HIDAPI drivers stay off for the same reason (they watch /dev/hidraw*), and
// the kernel's own drivers present the same controllers under /dev/input. Where SDL cannot watch
// (no /dev/input yet when it started) it rescans the folder at most every 3 s when asked, so each
// notice is followed by one more look a little later.
#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <optional>

#include "core/input/gamepad_map.h"
#include "frontend/input/input_device_watch.h"

class QWidget;
struct _SDL_GameController;
union SDL_Event;

namespace zuzazizo {

struct SdlLibrary;

class SdlGamepads final : public QObject {
    Q_OBJECT

  public:
    // Presses go to `engine` while `main_window` is enabled, no menu is open and no other window
    // of the program is the active one (the key dialog, the manual); the program itself may be
    // in the background, as on a television with the controller in hand.
    // Nothing is looked at before start().
    SdlGamepads(Engine& engine, QWidget& main_window);
    ~SdlGamepads() override;
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Loads SDL and starts its game controller subsystem, opening the controllers already
    // plugged in; the program calls it once its first window is on the screen.
    void start();
    // False before start() and when SDL's game controller subsystem could not start; then there
    // are no gamepads.
    bool started() const { return started_; }
    int open_count() const { return static_cast<int>(open_.size()); }
    bool polling() const { return poll_timer_.isActive(); }
    const GamepadMap& map() const { return map_; }

    // Takes every event SDL has, opening and closing controllers as they come and go.
    void pump();

  private:
    void handle(const SDL_Event& event);
    void open(int device_index);
    void close(std::int32_t instance);
    void update_polling();
    void devices_changed();
    void queue_pump();
    static int watch_events(void* self, SDL_Event* event);

    GamepadMap map_;
    const SdlLibrary* sdl_ = nullptr;
    bool started_ = false;
    std::map<std::int32_t, _SDL_GameController*> open_;
    QTimer poll_timer_;
    QTimer second_look_;
    std::optional<InputDeviceWatch> devices_;  // from the start on
};

}  // namespace zuzazizo
