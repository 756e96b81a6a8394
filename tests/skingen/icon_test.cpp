// The desktop icon: every size of the theme written where the installation takes it from, with
// the handheld inside a transparent square so that any desktop background shows around it.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "icon_art.h"

namespace {

TEST(Icon, EachSizeIsWrittenSquareIntoTheHicolorTheme) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(skingen::write_icons(QDir(dir.path())));
    for (const int size : skingen::icon_sizes_px) {
        SCOPED_TRACE(size);
        const QImage icon(
            dir.filePath(QStringLiteral("hicolor/%1x%1/apps/zuzazizo.png").arg(size)));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
    }
}

TEST(Icon, CornersAreTransparentAndTheScreenIsDrawn) {
    for (const int size : skingen::icon_sizes_px) {
        SCOPED_TRACE(size);
        const QImage icon = skingen::icon_picture(size);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        // Upper right of the middle is bare glass of the LCD, clear of the ball and the bat:
        // opaque and light. The drawing is laid out on a 64-unit grid.
        constexpr int grid = 64;
        const QRgb glass = icon.pixel(size * 42 / grid, size * 23 / grid);
        EXPECT_EQ(qAlpha(glass), 255);
        EXPECT_GT(qGray(glass), 128);
    }
}

}  // namespace
