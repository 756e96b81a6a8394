#include "frontend/sdl/mixer_library.h"

#include <optional>

#include "frontend/sdl/library_functions.h"

namespace zuzazizo {

namespace {

// The names the platforms give the SDL2_mixer 2.x shared library.
QLibrary& library() {
#if defined(_WIN32)
    static QLibrary mixer(QStringLiteral("SDL2_mixer"));
#else
    static QLibrary mixer(QStringLiteral("SDL2_mixer-2.0"), 0);
#endif
    return mixer;
}

std::optional<MixerLibrary> load() {
    QLibrary& lib = library();
    MixerLibrary mix{};
    const bool complete = resolve(lib, mix.open_audio_device, "Mix_OpenAudioDevice") &&
                          resolve(lib, mix.allocate_channels, "Mix_AllocateChannels") &&
                          resolve(lib, mix.channel_finished, "Mix_ChannelFinished") &&
                          resolve(lib, mix.close_audio, "Mix_CloseAudio") &&
                          resolve(lib, mix.load_wav_rw, "Mix_LoadWAV_RW") &&
                          resolve(lib, mix.play_channel_timed, "Mix_PlayChannelTimed") &&
                          resolve(lib, mix.playing, "Mix_Playing") &&
                          resolve(lib, mix.free_chunk, "Mix_FreeChunk");
    if (!complete) return std::nullopt;
    return mix;
}

}  // namespace

const MixerLibrary* mixer_library() {
    // Loaded once and kept to the end of the run: the mixer's thread may still be winding down.
    static const std::optional<MixerLibrary> mix = load();
    return mix ? &*mix : nullptr;
}

}  // namespace zuzazizo
