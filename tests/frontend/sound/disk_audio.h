// Helpers for sound tests on SDL's disk driver: WAV files written by the test itself, the
// environment that points SDL at an output file, and a reader for what the mixer wrote there.
// Header-only because only the front-end test binary uses it and its sources are globbed by name.
#pragma once

#include <unistd.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace zuzazizo::testing {

inline constexpr int wav_rate_hz = 22050;

// A folder of its own for one test in one process: other builds may run the same tests at once.
inline std::filesystem::path fresh_test_dir(const std::string& test_name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("zuzazizo_" + test_name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline int wav_frames(int duration_ms) {
    return wav_rate_hz * duration_ms / 1000;
}

namespace detail {
inline void put_u32(std::ofstream& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.put(static_cast<char>((value >> shift) & 0xff));
}
inline void put_u16(std::ofstream& out, std::uint16_t value) {
    out.put(static_cast<char>(value & 0xff));
    out.put(static_cast<char>(value >> 8));
}
}  // namespace detail

// A 16-bit mono square wave: every sample is +amplitude or -amplitude, never zero, so the number
// of non-silent frames in the output tells how much of the sample was mixed.
inline void write_square_wav(const std::filesystem::path& path, int duration_ms, int frequency_hz,
                             std::int16_t amplitude) {
    const auto frames = static_cast<std::uint32_t>(wav_frames(duration_ms));
    const std::uint32_t data_bytes = frames * 2;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    detail::put_u32(out, 36 + data_bytes);
    out.write("WAVEfmt ", 8);
    detail::put_u32(out, 16);
    detail::put_u16(out, 1);  // PCM
    detail::put_u16(out, 1);  // mono
    detail::put_u32(out, wav_rate_hz);
    detail::put_u32(out, wav_rate_hz * 2);
    detail::put_u16(out, 2);
    detail::put_u16(out, 16);
    out.write("data", 4);
    detail::put_u32(out, data_bytes);
    const int half_period = wav_rate_hz / frequency_hz / 2;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const bool high = (static_cast<int>(i) / half_period) % 2 == 0;
        detail::put_u16(out, static_cast<std::uint16_t>(high ? amplitude : -amplitude));
    }
}

// The five samples of the Sound folder under `base_dir`, each its own tone, all 6000 high.
inline constexpr std::int16_t sample_amplitude = 6000;
inline constexpr int sample_duration_ms = 200;
inline void write_sound_folder(const std::filesystem::path& base_dir) {
    const char* names[] = {"Gameover.wav", "Got.wav", "Miss.wav", "Move.wav", "Start.wav"};
    int frequency_hz = 300;
    for (const char* name : names) {
        write_square_wav(base_dir / "Sound" / name, sample_duration_ms, frequency_hz,
                         sample_amplitude);
        frequency_hz += 110;
    }
}

// Sets (or, with nullopt, removes) an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        apply(value);
    }
    ~ScopedEnv() { apply(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void apply(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    std::string name_;
    std::optional<std::string> saved_;
};

// The left channel of the disk driver's output (interleaved signed 16-bit stereo).
struct DiskOutput {
    std::vector<std::int16_t> left;
    int non_silent_frames() const {
        return static_cast<int>(std::count_if(left.begin(), left.end(), [](auto v) { return v; }));
    }
    int peak() const {
        int peak = 0;
        for (const std::int16_t v : left) peak = std::max(peak, std::abs(static_cast<int>(v)));
        return peak;
    }
};

inline DiskOutput read_disk_output(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    DiskOutput output;
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
        const auto lo = static_cast<unsigned char>(bytes[i]);
        const auto hi = static_cast<unsigned char>(bytes[i + 1]);
        output.left.push_back(static_cast<std::int16_t>(lo | (hi << 8)));
    }
    return output;
}

}  // namespace zuzazizo::testing
