// Checks the sounds, manual pages and documents that skingen wrote beside the executable.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

const std::string bin_dir = ZUZAZIZO_BIN_DIR;

std::vector<std::uint8_t> read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::int16_t sample(const std::vector<std::uint8_t>& b, std::size_t i) {
    return static_cast<std::int16_t>(u16(b, 44 + 2 * i));
}

struct Limit {
    const char* file;
    double min_s;
    double max_s;
};

class Sounds : public ::testing::TestWithParam<Limit> {};

TEST_P(Sounds, AreMono16BitPcmOfTheRightLength) {
    const auto b = read_all(bin_dir + "/Sound/" + GetParam().file);
    ASSERT_GE(b.size(), 46u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(u32(b, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(u16(b, 20), 1);   // PCM
    EXPECT_EQ(u16(b, 22), 1);   // mono
    EXPECT_EQ(u16(b, 34), 16);  // bits
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    const std::size_t count = u32(b, 40) / 2;
    ASSERT_EQ(44 + count * 2, b.size());
    const double seconds = double(count) / u32(b, 24);
    EXPECT_GT(seconds, GetParam().min_s);
    EXPECT_LT(seconds, GetParam().max_s);
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int(sample(b, i))));
    EXPECT_GT(peak, 4000);
    // No click at either end.
    EXPECT_LT(std::abs(sample(b, 0)), 500);
    EXPECT_LT(std::abs(sample(b, count - 1)), 500);
}

INSTANTIATE_TEST_SUITE_P(Samples, Sounds,
                         ::testing::Values(Limit{"Move.wav", 0.02, 0.06},
                                           Limit{"Got.wav", 0.08, 0.4},
                                           Limit{"Miss.wav", 0.15, 1.0},
                                           Limit{"Start.wav", 0.5, 3.1},
                                           Limit{"Gameover.wav", 1.0, 4.2}));

TEST(ManualPages, AreEight24BitBitmapsOf390By300) {
    for (int n = 1; n <= 8; ++n) {
        const std::string path = bin_dir + "/Graphics/Manual/" + std::to_string(n) + ".bmp";
        const auto b = read_all(path);
        ASSERT_GT(b.size(), 54u) << path;
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u16(b, 28), 24) << path;
        const QImage page(QString::fromStdString(path));
        EXPECT_EQ(page.size(), QSize(390, 300)) << path;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(bin_dir + "/Graphics/Manual/9.bmp")));
}

TEST(Documents, NameTheProgramAndItsVersion) {
    for (const char* name : {"/Readme.txt", "/Whatsnew.txt"}) {
        const auto b = read_all(bin_dir + name);
        const std::string text(b.begin(), b.end());
        EXPECT_NE(text.find("Zuzazizo (Corvane, Pocketeer) Simulator"), std::string::npos);
        EXPECT_NE(text.find("Version 5.00 * Final *"), std::string::npos);
    }
}

}  // namespace
