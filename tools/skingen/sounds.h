// The five samples, synthesised as the square-wave beeps of a piezo speaker.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/sound/sound_output.h"

namespace skingen {

struct Tone {
    double frequency_hz;  // 0 is a rest
    int duration_ms;
    int gap_ms;  // silence after the tone
};

// Square wave with a short fade at both ends of every tone, so that nothing clicks.
std::vector<std::int16_t> synthesise(std::span<const Tone> tones, int rate_hz);

// The tones of one sample.
std::span<const Tone> tones_of(zuzazizo::Sample sample);

// Writes every sample under the name the program loads it by, below the program's folder.
bool write_sounds(const std::string& bin_dir);

}  // namespace skingen
