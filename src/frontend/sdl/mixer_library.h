// SDL2_mixer, loaded when a sound output first starts instead of with the program.
//
// The mixer and the codec libraries it brings along (tracker, MIDI, Ogg, FLAC and more) cost a
// quick start, which plays no sound at all, several milliseconds and megabytes: the dynamic
// loader maps and relocates every one of them before the first window can appear. Only the
// functions the sound output uses are looked up, with their types taken from the mixer's header.
#pragma once

#include <QLibrary>
#include <optional>
#include <string>

#include <SDL_mixer.h>

namespace zuzazizo {

struct MixerLibrary {
    decltype(&::Mix_OpenAudioDevice) open_audio_device;
    decltype(&::Mix_AllocateChannels) allocate_channels;
    decltype(&::Mix_ChannelFinished) channel_finished;
    decltype(&::Mix_CloseAudio) close_audio;
    decltype(&::Mix_LoadWAV_RW) load_wav_rw;
    decltype(&::Mix_PlayChannelTimed) play_channel_timed;
    decltype(&::Mix_Playing) playing;
    decltype(&::Mix_FreeChunk) free_chunk;
};

// The mixer's functions, loading the library on the first call; null when it cannot be loaded
// or lacks one of them. Call it on the GUI thread.
const MixerLibrary* mixer_library();

// Why mixer_library() is null, in words for the player: the library that could not be loaded, or
// the function it lacks and the version needed. Empty when it loaded.
const std::string& mixer_library_problem();

// Loads the mixer's functions from `mixer`, as mixer_library() does from the platform's name for
// it; on failure, nullopt and the reason in `problem`.
std::optional<MixerLibrary> load_mixer_library(QLibrary& mixer, std::string& problem);

}  // namespace zuzazizo
