// The window's background and its shape from the colour key, on a bare window.
#include "frontend/app/window_shape.h"

#include <gtest/gtest.h>

#include <QBitmap>

#include "frontend/skin/picture_loader_qt.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

TEST(WindowShape, ColoursAreWindowsValuesWithRedInTheLowByte) {
    EXPECT_EQ(colour_of(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(colour_of(0x0000FF00), QColor(0, 255, 0));
    EXPECT_EQ(colour_of(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(colour_of(0x00123456), QColor(0x56, 0x34, 0x12));
}

struct WindowShapeTest : ::testing::Test {
    WindowShapeTest() {
        window.resize(40, 30);
        QImage case_picture(10, 8, QImage::Format_ARGB32_Premultiplied);
        case_picture.fill(Qt::darkGray);
        images.set_picture(ImageId::im_background, std::make_shared<QtPicture>(case_picture));
        images.set_bounds(ImageId::im_background, {5, 6, 10, 8});
        images.set_visible(ImageId::im_background, true);
        surface.colour = 0x00FF00FF;
        surface.colour_key = 0x00FF00FF;
    }

    QApplication& app = ensure_qapp();  // before the window
    QWidget window;
    ImageModel images;
    GameSurface surface;
    WindowShape shape{window, images, surface};
};

TEST_F(WindowShapeTest, TheColourKeyCutsTheWindowToWhatTheSkinPaints) {
    surface.colour_key_on = true;
    shape.apply(windowed_view(1));
    EXPECT_EQ(window.mask(), QRegion(5, 6, 10, 8));
    EXPECT_EQ(shape.background(), QColor(255, 0, 255));

    shape.apply(windowed_view(2));
    EXPECT_EQ(window.mask(), QRegion(10, 12, 20, 16)) << "the zoomed skin gives the shape";

    surface.colour_key_on = false;
    shape.apply(windowed_view(1));
    EXPECT_TRUE(window.mask().isEmpty()) << "without the key the window is whole";
}

TEST_F(WindowShapeTest, AWindowOfNothingButKeyColourStaysWhole) {
    surface.colour_key_on = true;
    images.set_visible(ImageId::im_background, false);
    shape.apply(windowed_view(1));
    EXPECT_TRUE(window.mask().isEmpty());
}

}  // namespace
}  // namespace zuzazizo
