#include "sound/mixer_library_sdl.h"

#include <QLibrary>
#include <optional>

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

template <typename Function>
bool resolve(Function& function, const char* name) {
    function = reinterpret_cast<Function>(library().resolve(name));
    return function != nullptr;
}

std::optional<MixerLibrary> load() {
    MixerLibrary mix{};
    const bool complete =
        resolve(mix.open_audio_device, "Mix_OpenAudioDevice") &&
        resolve(mix.allocate_channels, "Mix_AllocateChannels") &&
        resolve(mix.channel_finished, "Mix_ChannelFinished") &&
        resolve(mix.close_audio, "Mix_CloseAudio") && resolve(mix.load_wav_rw, "Mix_LoadWAV_RW") &&
        resolve(mix.play_channel_timed, "Mix_PlayChannelTimed") &&
        resolve(mix.playing, "Mix_Playing") && resolve(mix.free_chunk, "Mix_FreeChunk");
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
