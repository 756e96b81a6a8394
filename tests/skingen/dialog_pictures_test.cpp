// Links the dialog pictures as the program does and reads them back from the resources.
#include <gtest/gtest.h>

#include <QImage>

#include "drawn_anew.h"
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

// The larger drawings are drawn anew, not enlarged.
TEST(DialogPictures, LargerDrawingsAreDrawnAnew) {
    using namespace skingen_test;
    for (const char* path : pictures::all) {
        const QImage small =
            QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
        const QImage larger =
            QImage(pictures::for_ratio(path, 2.0)).convertToFormat(QImage::Format_RGB32);
        EXPECT_GT(sharper_than_enlarged(small, larger), larger.width() * larger.height() / 1000)
            << path;
        EXPECT_LT(shrunk_difference(small, larger), 12) << path;
    }
}

// The title labels are white on the top of the background.
TEST(DialogPictures, SplashBackgroundIsDarkBehindTheTitle) {
    const QImage background(QString::fromLatin1(pictures::splash_background));
    for (int x = 0; x < 460; x += 23)
        for (int y : {12, 20, 28, 40}) EXPECT_LT(qGray(background.pixel(x, y)), 90) << x << y;
}

}  // namespace
