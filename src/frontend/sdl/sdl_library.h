// SDL2 itself, loaded when the sound output or the game controllers first need it.
//
// SDL brings a long chain of libraries along (PulseAudio, ALSA, Wayland, D-Bus and more); linked
// with the program, the dynamic loader would map and relocate every one of them before the first
// window could appear. Only the functions the program calls are looked up, with their types taken
// from SDL's header, which the program includes for its types and constants alone.
#pragma once

#include <QLibrary>
#include <optional>
#include <string>

#include <SDL.h>

namespace zuzazizo {

struct SdlLibrary {
    decltype(&::SDL_SetHint) set_hint;
    decltype(&::SDL_SetHintWithPriority) set_hint_with_priority;
    decltype(&::SDL_ResetHint) reset_hint;
    decltype(&::SDL_GetError) get_error;
    decltype(&::SDL_InitSubSystem) init_subsystem;
    decltype(&::SDL_QuitSubSystem) quit_subsystem;
    decltype(&::SDL_GetNumAudioDrivers) get_num_audio_drivers;
    decltype(&::SDL_GetAudioDriver) get_audio_driver;
    decltype(&::SDL_GetCurrentAudioDriver) get_current_audio_driver;
    decltype(&::SDL_RWFromFile) rw_from_file;
    decltype(&::SDL_PollEvent) poll_event;
    decltype(&::SDL_AddEventWatch) add_event_watch;
    decltype(&::SDL_DelEventWatch) del_event_watch;
    decltype(&::SDL_JoystickGetDeviceInstanceID) joystick_get_device_instance_id;
    decltype(&::SDL_GameControllerOpen) game_controller_open;
    decltype(&::SDL_GameControllerClose) game_controller_close;
};

// SDL's functions, loading the library on the first call; null when it cannot be loaded or lacks
// one of them. Call it on the GUI thread. Subsystem starts and stops through the table are
// serialised, so the sound output may make them on a thread of its own.
const SdlLibrary* sdl_library();

// Why sdl_library() is null, in words for the player: the library that could not be loaded, or
// the function it lacks and the version needed. Empty when it loaded.
const std::string& sdl_library_problem();

// Loads SDL's functions from `sdl`, as sdl_library() does from the platform's name for it; on
// failure, nullopt and the reason in `problem`.
std::optional<SdlLibrary> load_sdl_library(QLibrary& sdl, std::string& problem);

}  // namespace zuzazizo
