// Links the dialog pictures as the program does and reads them back from the resources.
#include <gtest/gtest.h>

#include <QImage>

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
    for (const auto& [path, size] : expected)
        EXPECT_EQ(QImage(QString::fromLatin1(path)).size(), size) << path;
}

// The title labels are white on the top of the background.
TEST(DialogPictures, SplashBackgroundIsDarkBehindTheTitle) {
    const QImage background(QString::fromLatin1(pictures::splash_background));
    for (int x = 0; x < 460; x += 23)
        for (int y : {12, 20, 28, 40}) EXPECT_LT(qGray(background.pixel(x, y)), 90) << x << y;
}

}  // namespace
