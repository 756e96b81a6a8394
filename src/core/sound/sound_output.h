// The five beeps of the handheld and the seam through which the firmware asks for them.
//
// The program plays them through our SDL2_mixer binding (mixer_sound_sdl.h); tests use a recorder.
// The firmware decides whether a sample should sound at all (Snd_Play); an output only plays.
#pragma once

#include <array>
#include <string_view>

namespace zuzazizo {

// In the order the samples are loaded at sound start-up.
enum class Sample { gameover, got, miss, move, start };

inline constexpr std::array<Sample, 5> all_samples = {Sample::gameover, Sample::got, Sample::miss,
                                                      Sample::move, Sample::start};

constexpr std::string_view sample_file(Sample sample) {
    switch (sample) {
        case Sample::gameover:
            return "Sound/Gameover.wav";
        case Sample::got:
            return "Sound/Got.wav";
        case Sample::miss:
            return "Sound/Miss.wav";
        case Sample::move:
            return "Sound/Move.wav";
        case Sample::start:
            return "Sound/Start.wav";
    }
    return {};
}

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Starts the sample on any free channel; never waits and never cuts off another sample.
    virtual void play(Sample sample) = 0;
};

}  // namespace zuzazizo
