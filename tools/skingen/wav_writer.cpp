#include "wav_writer.h"

#include <fstream>

namespace skingen {

namespace {

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put_u16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put_tag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> wav_bytes(const std::vector<std::int16_t>& samples, int rate_hz) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bits = 16;
    constexpr std::uint16_t block_align = channels * bits / 8;
    const auto data_size = static_cast<std::uint32_t>(samples.size() * block_align);
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_size);
    put_tag(out, "RIFF");
    put_u32(out, 36 + data_size);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put_u32(out, 16);
    put_u16(out, 1);  // PCM
    put_u16(out, channels);
    put_u32(out, static_cast<std::uint32_t>(rate_hz));
    put_u32(out, static_cast<std::uint32_t>(rate_hz) * block_align);
    put_u16(out, block_align);
    put_u16(out, bits);
    put_tag(out, "data");
    put_u32(out, data_size);
    for (std::int16_t s : samples) put_u16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool write_wav(const std::string& path, const std::vector<std::int16_t>& samples, int rate_hz) {
    const std::vector<std::uint8_t> bytes = wav_bytes(samples, rate_hz);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace skingen
