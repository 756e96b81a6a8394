// The five samples, synthesised as the square-wave beeps of a piezo speaker.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skingen {

struct Tone {
    double frequency_hz;  // 0 is a rest
    int duration_ms;
    int gap_ms;  // silence after the tone
};

// Square wave with a short fade at both ends of every tone, so that nothing clicks.
std::vector<std::int16_t> synthesise(std::span<const Tone> tones, int rate_hz);

// Writes Gameover.wav, Got.wav, Miss.wav, Move.wav and Start.wav into the folder.
bool write_sounds(const std::string& sound_dir);

}  // namespace skingen
