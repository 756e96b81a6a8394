// A RIFF/WAVE file of 16-bit mono PCM: the only kind the samples need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skingen {

inline constexpr int sample_rate_hz = 22050;

std::vector<std::uint8_t> wav_bytes(const std::vector<std::int16_t>& samples, int rate_hz);
bool write_wav(const std::string& path, const std::vector<std::int16_t>& samples, int rate_hz);

}  // namespace skingen
