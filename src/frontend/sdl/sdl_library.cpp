#include "frontend/sdl/sdl_library.h"

#include <mutex>

#include "frontend/sdl/library_functions.h"

namespace zuzazizo {

namespace {

// SDL_ResetHint, the newest function we call, came with SDL 2.24.0.
constexpr const char* minimum_sdl_version = "2.24.0";

// The names the platforms give the SDL 2.x shared library.
QLibrary& library() {
#if defined(_WIN32)
    static QLibrary sdl(QStringLiteral("SDL2"));
#else
    static QLibrary sdl(QStringLiteral("SDL2-2.0"), 0);
#endif
    return sdl;
}

// Starting and stopping SDL's subsystems is not thread-safe: audio and the controllers share a
// reference count and SDL's event loop, and the sound output reopens audio on a thread of its
// own. Every start and stop made through the table goes through this one lock.
std::mutex subsystem_mutex;
decltype(&::SDL_InitSubSystem) unlocked_init_subsystem = nullptr;
decltype(&::SDL_QuitSubSystem) unlocked_quit_subsystem = nullptr;

int SDLCALL locked_init_subsystem(Uint32 flags) {
    const std::lock_guard lock(subsystem_mutex);
    return unlocked_init_subsystem(flags);
}

void SDLCALL locked_quit_subsystem(Uint32 flags) {
    const std::lock_guard lock(subsystem_mutex);
    unlocked_quit_subsystem(flags);
}

void note_version(QLibrary& sdl, LibraryLoader& loader) {
    const auto get_version =
        reinterpret_cast<decltype(&::SDL_GetVersion)>(sdl.resolve("SDL_GetVersion"));
    if (!get_version) return;
    SDL_version found{};
    get_version(&found);
    loader.set_found_version(std::to_string(found.major) + "." + std::to_string(found.minor) + "." +
                             std::to_string(found.patch));
}

struct Loaded {
    std::optional<SdlLibrary> functions;
    std::string problem;
};

Loaded load_with_locked_subsystems() {
    Loaded loaded;
    loaded.functions = load_sdl_library(library(), loaded.problem);
    if (loaded.functions) {
        unlocked_init_subsystem = loaded.functions->init_subsystem;
        unlocked_quit_subsystem = loaded.functions->quit_subsystem;
        loaded.functions->init_subsystem = &locked_init_subsystem;
        loaded.functions->quit_subsystem = &locked_quit_subsystem;
    }
    return loaded;
}

const Loaded& loaded_sdl() {
    // Loaded once and kept to the end of the run: SDL's threads may still be winding down.
    static const Loaded loaded = load_with_locked_subsystems();
    return loaded;
}

}  // namespace

std::optional<SdlLibrary> load_sdl_library(QLibrary& sdl, std::string& problem) {
    LibraryLoader loader(sdl, "SDL2", minimum_sdl_version);
    if (!loader.load()) {
        problem = loader.problem();
        return std::nullopt;
    }
    note_version(sdl, loader);
    SdlLibrary f{};
    const bool complete =
        loader.resolve(f.set_hint, "SDL_SetHint") &&
        loader.resolve(f.set_hint_with_priority, "SDL_SetHintWithPriority") &&
        loader.resolve(f.reset_hint, "SDL_ResetHint") &&
        loader.resolve(f.get_error, "SDL_GetError") &&
        loader.resolve(f.init_subsystem, "SDL_InitSubSystem") &&
        loader.resolve(f.quit_subsystem, "SDL_QuitSubSystem") &&
        loader.resolve(f.get_num_audio_drivers, "SDL_GetNumAudioDrivers") &&
        loader.resolve(f.get_audio_driver, "SDL_GetAudioDriver") &&
        loader.resolve(f.get_current_audio_driver, "SDL_GetCurrentAudioDriver") &&
        loader.resolve(f.rw_from_file, "SDL_RWFromFile") &&
        loader.resolve(f.poll_event, "SDL_PollEvent") &&
        loader.resolve(f.add_event_watch, "SDL_AddEventWatch") &&
        loader.resolve(f.del_event_watch, "SDL_DelEventWatch") &&
        loader.resolve(f.joystick_get_device_instance_id, "SDL_JoystickGetDeviceInstanceID") &&
        loader.resolve(f.game_controller_open, "SDL_GameControllerOpen") &&
        loader.resolve(f.game_controller_close, "SDL_GameControllerClose");
    problem = loader.problem();
    if (!complete) return std::nullopt;
    // The program's Ctrl+C and SIGTERM stay the system's: SDL's handlers would only queue a quit
    // event that nobody reads, so a plain `kill` or a logout would no longer end the program. Set
    // before any subsystem starts and never reset: the audio and the controller subsystems share
    // SDL's event loop, and whichever starts it installs the handlers unless the hint is set.
    f.set_hint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return f;
}

const SdlLibrary* sdl_library() {
    const Loaded& loaded = loaded_sdl();
    return loaded.functions ? &*loaded.functions : nullptr;
}

const std::string& sdl_library_problem() {
    return loaded_sdl().problem;
}

}  // namespace zuzazizo
