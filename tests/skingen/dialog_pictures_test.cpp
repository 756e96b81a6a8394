// Links the dialog pictures as the program does and reads them back from the resources.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "frontend/common/dialog_pictures.h"

namespace {

namespace pictures = zuzazizo::dialog_pictures;

TEST(DialogPictures, AreLinkedInWithTheirSizes) {
    ASSERT_TRUE(pictures::all_present());
    const std::pair<const char*, QSize> expected[] = {
        {pictures::splash_background, {460, 420}},
        {pictures::splash_box, {460, 160}},
        {pictures::play, {107, 30}},
        {pictures::play_disabled, {107, 30}},
        {pictures::donate, {107, 30}},
        {pictures::about_handheld, {116, 160}},
    };
    for (const auto& [path, size] : expected) {
        EXPECT_EQ(QImage(QString::fromLatin1(path)).size(), size) << path;
        // The drawing for pixel ratio 2: twice the pixels, the same size on the screen.
        const QImage larger(pictures::for_ratio(path, 2.0));
        EXPECT_EQ(larger.size(), size * 2) << path;
        EXPECT_EQ(larger.devicePixelRatio(), 2.0) << path;
        EXPECT_EQ(larger.deviceIndependentSize().toSize(), size) << path;
    }
}

// How many pixels of two pictures of one size differ by more than a blur would make them.
int sharply_differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 32) ++count;
    return count;
}

// The larger drawings are drawn anew, not enlarged: shrunk back to their own size they look like
// the small ones, while their edges stand apart from a smooth enlargement's.
TEST(DialogPictures, LargerDrawingsAreDrawnAnew) {
    for (const char* path : pictures::all) {
        const QImage small =
            QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
        const QImage larger =
            QImage(pictures::for_ratio(path, 2.0)).convertToFormat(QImage::Format_RGB32);
        const QImage enlarged =
            small.scaled(larger.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(sharply_differing(larger, enlarged), larger.width() * larger.height() / 1000)
            << path;
        const QImage shrunk =
            larger.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long long total = 0;
        for (int y = 0; y < small.height(); ++y)
            for (int x = 0; x < small.width(); ++x)
                total += std::abs(qGray(shrunk.pixel(x, y)) - qGray(small.pixel(x, y)));
        EXPECT_LT(total / (small.width() * small.height()), 12) << path;
    }
}

// The title labels are white on the top of the background.
TEST(DialogPictures, SplashBackgroundIsDarkBehindTheTitle) {
    const QImage background(QString::fromLatin1(pictures::splash_background));
    for (int x = 0; x < 460; x += 23)
        for (int y : {12, 20, 28, 40}) EXPECT_LT(qGray(background.pixel(x, y)), 90) << x << y;
}

}  // namespace
