#include "frontend/sdl/mixer_library.h"

#include "frontend/sdl/library_functions.h"

namespace zuzazizo {

namespace {

// Mix_OpenAudioDevice, the newest function we call, came with SDL2_mixer 2.0.2.
constexpr const char* minimum_mixer_version = "2.0.2";

// The names the platforms give the SDL2_mixer 2.x shared library.
QLibrary& library() {
#if defined(_WIN32)
    static QLibrary mixer(QStringLiteral("SDL2_mixer"));
#else
    static QLibrary mixer(QStringLiteral("SDL2_mixer-2.0"), 0);
#endif
    return mixer;
}

void note_version(QLibrary& mixer, LibraryLoader& loader) {
    const auto linked_version =
        reinterpret_cast<decltype(&::Mix_Linked_Version)>(mixer.resolve("Mix_Linked_Version"));
    if (!linked_version) return;
    const SDL_version* found = linked_version();
    loader.set_found_version(std::to_string(found->major) + "." + std::to_string(found->minor) +
                             "." + std::to_string(found->patch));
}

struct Loaded {
    std::optional<MixerLibrary> functions;
    std::string problem;
};

const Loaded& loaded_mixer() {
    // Loaded once and kept to the end of the run: the mixer's thread may still be winding down.
    static const Loaded loaded = [] {
        Loaded result;
        result.functions = load_mixer_library(library(), result.problem);
        return result;
    }();
    return loaded;
}

}  // namespace

std::optional<MixerLibrary> load_mixer_library(QLibrary& lib, std::string& problem) {
    LibraryLoader loader(lib, "SDL2_mixer", minimum_mixer_version);
    if (!loader.load()) {
        problem = loader.problem();
        return std::nullopt;
    }
    note_version(lib, loader);
    MixerLibrary mix{};
    const bool complete = loader.resolve(mix.open_audio_device, "Mix_OpenAudioDevice") &&
                          loader.resolve(mix.allocate_channels, "Mix_AllocateChannels") &&
                          loader.resolve(mix.channel_finished, "Mix_ChannelFinished") &&
                          loader.resolve(mix.close_audio, "Mix_CloseAudio") &&
                          loader.resolve(mix.load_wav_rw, "Mix_LoadWAV_RW") &&
                          loader.resolve(mix.play_channel_timed, "Mix_PlayChannelTimed") &&
                          loader.resolve(mix.playing, "Mix_Playing") &&
                          loader.resolve(mix.free_chunk, "Mix_FreeChunk");
    problem = loader.problem();
    if (!complete) return std::nullopt;
    return mix;
}

const MixerLibrary* mixer_library() {
    const Loaded& loaded = loaded_mixer();
    return loaded.functions ? &*loaded.functions : nullptr;
}

const std::string& mixer_library_problem() {
    return loaded_mixer().problem;
}

}  // namespace zuzazizo
