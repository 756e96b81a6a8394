// The manual's pages with twice the pixels, beside the pages themselves.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include "drawn_anew.h"

namespace {

QString page_file(int n, const char* suffix) {
    return QStringLiteral(ZUZAZIZO_BIN_DIR "/Graphics/Manual/%1%2").arg(n).arg(suffix);
}

// Each is a PNG of twice the page's size, drawn anew: shrunk back it is the page, while its text
// and lines are sharper than the page enlarged smoothly, and finer than its pixels doubled.
TEST(ManualLargerPages, AreDrawnAnewAtTwiceThePixels) {
    using namespace skingen_test;
    for (int n = 1; n <= 8; ++n) {
        const QString path = page_file(n, "@2x.png");
        EXPECT_EQ(QImageReader(path).format(), "png") << n;
        const QImage small = QImage(page_file(n, ".bmp")).convertToFormat(QImage::Format_RGB32);
        const QImage larger = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(larger.size(), small.size() * 2) << n;
        EXPECT_GT(sharper_than_enlarged(small, larger), larger.width() * larger.height() / 100)
            << n;
        EXPECT_GT(uneven_blocks(larger), larger.width() * larger.height() / 4 / 100) << n;
        EXPECT_LT(shrunk_difference(small, larger), 10) << n;
    }
}

}  // namespace
