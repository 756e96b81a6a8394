// The WAV writer and the tone synthesis, on inputs whose results are known.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "sounds.h"
#include "wav_writer.h"

namespace {

using skingen::Tone;

TEST(WavWriter, HeaderDescribesMono16BitPcm) {
    const std::vector<std::int16_t> samples{0, 1000, -1000, 32767, -32768};
    const auto b = skingen::wav_bytes(samples, 8000);
    ASSERT_EQ(b.size(), 44u + 10u);
    EXPECT_EQ(b[24] | b[25] << 8, 8000);            // rate
    EXPECT_EQ(b[28] | b[29] << 8, 16000);           // bytes per second
    EXPECT_EQ(b[32], 2);                            // block align
    EXPECT_EQ(b[40], 10);                           // data size
    EXPECT_EQ(b[44 + 6] | b[44 + 7] << 8, 0x7fff);  // little-endian samples
    EXPECT_EQ(b[44 + 8] | b[44 + 9] << 8, 0x8000);
}

TEST(Synthesis, LengthIsTheSumOfTonesAndGaps) {
    const std::array<Tone, 2> tones{{{1000, 100, 50}, {0, 20, 0}}};
    EXPECT_EQ(skingen::synthesise(tones, 10000).size(), 1700u);
}

TEST(Synthesis, SquareWaveFadesInAndOut) {
    const std::array<Tone, 1> tones{{{500, 100, 0}}};
    const auto s = skingen::synthesise(tones, 20000);
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(s.back()), 50);
    // Mid-tone the wave sits at one of its two levels and changes sign every half period.
    EXPECT_GT(s[1010], 8000);
    EXPECT_LT(s[1030], -8000);
}

TEST(Synthesis, RestIsSilent) {
    const std::array<Tone, 1> tones{{{0, 10, 0}}};
    for (std::int16_t v : skingen::synthesise(tones, 22050)) EXPECT_EQ(v, 0);
}

}  // namespace
