// The atlas must hand the page every picture's pixels exactly as its file holds them.
#include "atlas.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace picture_atlas;

namespace {

// Every pixel different, with see-through and half see-through ones whose colours must survive.
QImage sample(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = seed * 31 + y * width + x;
            image.setPixel(x, y, qRgba(v * 7 % 256, v * 13 % 256, v * 29 % 256, (v % 3) * 127));
        }
    }
    return image;
}

}  // namespace

TEST(PictureAtlas, HoldsEveryPictureUnchangedAndApart) {
    std::vector<Picture> pictures;
    for (int i = 0; i < 12; ++i) {
        pictures.push_back({QStringLiteral("Graphics/Skin/p%1.png").arg(i),
                            sample(3 + i * 5 % 17, 2 + i * 7 % 13, i)});
    }
    const Atlas atlas = pack(pictures);
    ASSERT_EQ(atlas.placed.size(), pictures.size());
    for (const Placed& placed : atlas.placed) {
        const auto own = std::find_if(pictures.begin(), pictures.end(),
                                      [&](const Picture& p) { return p.path == placed.path; });
        ASSERT_NE(own, pictures.end());
        EXPECT_TRUE(atlas.image.rect().contains(placed.place)) << placed.path.toStdString();
        EXPECT_EQ(atlas.image.copy(placed.place), own->image) << placed.path.toStdString();
        for (const Placed& other : atlas.placed) {
            if (&other == &placed) continue;
            EXPECT_FALSE(placed.place.intersects(other.place));
        }
    }
}

TEST(PictureAtlas, ReadsOnlyWhatItCanKeepExactly) {
    QTemporaryDir dir;
    const QString eight = dir.filePath("eight.png"), sixteen = dir.filePath("sixteen.png");
    const QImage picture = sample(9, 4, 1);
    ASSERT_TRUE(picture.save(eight, "PNG"));
    ASSERT_TRUE(picture.convertToFormat(QImage::Format_RGBA64).save(sixteen, "PNG"));
    EXPECT_EQ(read_exactly(eight), picture);
    EXPECT_TRUE(read_exactly(sixteen).isNull());
    EXPECT_TRUE(read_exactly(dir.filePath("missing.png")).isNull());
}
