// The larger drawings of a picture: read from the skin's @Nx files when a scale needs them, and
// made by smooth enlargement when the skin has none.
#include "frontend/skin/picture_scales_qt.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace zuzazizo {
namespace {

constexpr QRgb ink = qRgb(20, 30, 40);
constexpr QRgb paper = qRgb(230, 230, 220);

struct PictureScales : ::testing::Test {
    std::string write(const QString& name, const QImage& image) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path.toStdString();
    }
    PicturePtr load(const std::string& path) {
        return loader.load(path, Transparency::bottom_left_key).picture;
    }
    // Half ink, half paper, split down the middle.
    static QImage halves(int width_px, int height_px) {
        QImage image(width_px, height_px, QImage::Format_RGB32);
        image.fill(paper);
        for (int y = 0; y < height_px; ++y)
            for (int x = 0; x < width_px / 2; ++x) image.setPixel(x, y, ink);
        return image;
    }

    QTemporaryDir dir;
    QtPictureLoader loader;
};

TEST_F(PictureScales, TheSkinsOwnLargerDrawingIsUsedAndReadOnlyWhenAsked) {
    const std::string path = write("part.png", halves(4, 2));
    QImage drawn(12, 6, QImage::Format_RGB32);
    drawn.fill(qRgb(200, 10, 10));  // unlike any enlargement of the 1x picture
    const PicturePtr picture = load(path);
    write("part@3x.png", drawn);
    const auto& qt_picture = static_cast<const QtPicture&>(*picture);
    EXPECT_TRUE(qt_picture.larger_slot(3).isNull()) << "nothing is read at load time";
    const QImage& big = picture_at_factor(qt_picture, 3);
    EXPECT_EQ(big.size(), QSize(12, 6));
    EXPECT_EQ(big.pixel(0, 0), qRgb(200, 10, 10));
    EXPECT_EQ(&picture_at_factor(qt_picture, 1), &qt_picture.image());
    EXPECT_TRUE(qt_picture.larger_slot(2).isNull()) << "other factors stay unread";
}

TEST_F(PictureScales, WithoutALargerFileOrWithOneOfTheWrongSizeThePictureIsEnlargedSmoothly) {
    const std::string path = write("only.png", halves(8, 2));
    write("only@4x.png", halves(10, 10));  // not four times the picture: other art
    const PicturePtr picture = load(path);
    const auto& qt_picture = static_cast<const QtPicture&>(*picture);
    const QImage& big = picture_at_factor(qt_picture, 4);
    ASSERT_EQ(big.size(), QSize(32, 8));
    EXPECT_EQ(big.pixel(0, 4), ink);
    EXPECT_EQ(big.pixel(31, 4), paper);
    // Smooth: the edge between ink and paper is blended, not a hard step of whole pixels.
    const QRgb at_edge = big.pixel(16, 4);
    EXPECT_NE(at_edge, ink);
    EXPECT_NE(at_edge, paper);
    const QImage& twice = picture_at_factor(qt_picture, 2);
    EXPECT_EQ(twice.size(), QSize(16, 4));
}

TEST_F(PictureScales, TheMissingImageMarkerIsEnlargedToo) {
    const PicturePtr marker = loader.missing_image_marker();
    const QImage& big = picture_at_factor(static_cast<const QtPicture&>(*marker), 2);
    EXPECT_EQ(big.size(), QSize(20, 20));
}

}  // namespace
}  // namespace zuzazizo
