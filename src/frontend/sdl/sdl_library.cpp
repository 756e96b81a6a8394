#include "frontend/sdl/sdl_library.h"

#include <optional>

#include "frontend/sdl/library_functions.h"

namespace zuzazizo {

namespace {

// The names the platforms give the SDL 2.x shared library.
QLibrary& library() {
#if defined(_WIN32)
    static QLibrary sdl(QStringLiteral("SDL2"));
#else
    static QLibrary sdl(QStringLiteral("SDL2-2.0"), 0);
#endif
    return sdl;
}

std::optional<SdlLibrary> load() {
    QLibrary& sdl = library();
    SdlLibrary f{};
    const bool complete =
        resolve(sdl, f.set_hint, "SDL_SetHint") &&
        resolve(sdl, f.set_hint_with_priority, "SDL_SetHintWithPriority") &&
        resolve(sdl, f.reset_hint, "SDL_ResetHint") &&
        resolve(sdl, f.init_subsystem, "SDL_InitSubSystem") &&
        resolve(sdl, f.quit_subsystem, "SDL_QuitSubSystem") &&
        resolve(sdl, f.get_num_audio_drivers, "SDL_GetNumAudioDrivers") &&
        resolve(sdl, f.get_audio_driver, "SDL_GetAudioDriver") &&
        resolve(sdl, f.get_current_audio_driver, "SDL_GetCurrentAudioDriver") &&
        resolve(sdl, f.rw_from_file, "SDL_RWFromFile") &&
        resolve(sdl, f.poll_event, "SDL_PollEvent") &&
        resolve(sdl, f.add_event_watch, "SDL_AddEventWatch") &&
        resolve(sdl, f.del_event_watch, "SDL_DelEventWatch") &&
        resolve(sdl, f.joystick_get_device_instance_id, "SDL_JoystickGetDeviceInstanceID") &&
        resolve(sdl, f.game_controller_open, "SDL_GameControllerOpen") &&
        resolve(sdl, f.game_controller_close, "SDL_GameControllerClose");
    if (!complete) return std::nullopt;
    // The program's Ctrl+C and SIGTERM stay the system's: SDL's handlers would only queue a quit
    // event that nobody reads, so a plain `kill` or a logout would no longer end the program. Set
    // before any subsystem starts and never reset: the audio and the controller subsystems share
    // SDL's event loop, and whichever starts it installs the handlers unless the hint is set.
    f.set_hint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return f;
}

}  // namespace

const SdlLibrary* sdl_library() {
    // Loaded once and kept to the end of the run: SDL's threads may still be winding down.
    static const std::optional<SdlLibrary> sdl = load();
    return sdl ? &*sdl : nullptr;
}

}  // namespace zuzazizo
