#include "sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "wav_writer.h"

namespace skingen {

namespace {

constexpr double amplitude = 0.32 * 32767;
constexpr double fade_ms = 4.0;

// Notes of the tunes, in Hz.
constexpr double c5 = 523.25, e5 = 659.26, g5 = 783.99, a5 = 880.00, c6 = 1046.50, d6 = 1174.66,
                 e6 = 1318.51, g6 = 1567.98, c7 = 2093.00, e7 = 2637.02, g7 = 3135.96;

constexpr std::array<Tone, 1> move_tones{{{c7, 34, 0}}};
constexpr std::array<Tone, 2> got_tones{{{e7, 55, 30}, {g7, 80, 0}}};
// The low buzz wavers between two close pitches, as a cheap piezo does when driven low.
constexpr std::array<Tone, 6> miss_tones{
    {{196, 60, 0}, {185, 60, 0}, {196, 60, 0}, {185, 60, 0}, {196, 60, 0}, {175, 120, 0}}};
// A charge-up fanfare: the game begins when it ends, well inside the start delay of 3.1 s.
constexpr std::array<Tone, 7> start_tones{{{g5, 110, 30},
                                           {c6, 110, 30},
                                           {e6, 110, 30},
                                           {g6, 200, 90},
                                           {e6, 110, 30},
                                           {g6, 520, 0},
                                           {0, 60, 0}}};
// Falling to the tonic, inside the 4.2 s that the game-over sequence waits.
constexpr std::array<Tone, 8> gameover_tones{{{g6, 200, 50},
                                              {e6, 200, 50},
                                              {d6, 200, 50},
                                              {c6, 200, 50},
                                              {a5, 200, 50},
                                              {g5, 200, 50},
                                              {e5, 260, 60},
                                              {c5, 700, 0}}};

void append_tone(std::vector<std::int16_t>& out, const Tone& tone, int rate_hz) {
    const int n = tone.duration_ms * rate_hz / 1000;
    const int fade = static_cast<int>(fade_ms * rate_hz / 1000);
    for (int i = 0; i < n; ++i) {
        double v = 0;
        if (tone.frequency_hz > 0) {
            const double phase = std::fmod(i * tone.frequency_hz / rate_hz, 1.0);
            v = phase < 0.5 ? amplitude : -amplitude;
        }
        const double env = std::min({1.0, double(i) / fade, double(n - 1 - i) / fade});
        out.push_back(static_cast<std::int16_t>(std::lround(v * env)));
    }
    out.insert(out.end(), static_cast<std::size_t>(tone.gap_ms * rate_hz / 1000), 0);
}

}  // namespace

std::vector<std::int16_t> synthesise(std::span<const Tone> tones, int rate_hz) {
    std::vector<std::int16_t> out;
    for (const Tone& tone : tones) append_tone(out, tone, rate_hz);
    return out;
}

std::span<const Tone> tones_of(zuzazizo::Sample sample) {
    using enum zuzazizo::Sample;
    switch (sample) {
        case gameover:
            return gameover_tones;
        case got:
            return got_tones;
        case miss:
            return miss_tones;
        case move:
            return move_tones;
        case start:
            return start_tones;
    }
    return {};
}

bool write_sounds(const std::string& bin_dir) {
    for (const zuzazizo::Sample sample : zuzazizo::all_samples) {
        const std::filesystem::path path =
            std::filesystem::path(bin_dir) / zuzazizo::sample_file(sample);
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error ||
            !write_wav(path.string(), synthesise(tones_of(sample), sample_rate_hz), sample_rate_hz))
            return false;
    }
    return true;
}

}  // namespace skingen
