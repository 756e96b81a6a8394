// The manual's pages on screens of pixel ratio 2: the larger drawing beside a page where it fits,
// the page itself wherever it does not.
#include "frontend/windows/manual_page_ratio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/skin/picture_scales.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

// The drawing the pixmap shows on the screen: its pixels, its ratio and the size it takes there.
struct Shown {
    QSize pixels;
    qreal ratio;
    QSize size;
    bool operator==(const Shown&) const = default;
};
Shown shown(const QPixmap& pixmap) {
    return {pixmap.size(), pixmap.devicePixelRatio(), pixmap.deviceIndependentSize().toSize()};
}

TEST(ManualPageRatio, TheGeneratedPagesShowTheirLargerDrawingsAboveRatioOne) {
    ensure_qapp();
    for (int n = 1; n <= 8; ++n) {
        const std::string path =
            std::string(ZUZAZIZO_BIN_DIR "/Graphics/Manual/") + std::to_string(n) + ".bmp";
        const QImage page(QString::fromStdString(path));
        ASSERT_EQ(page.size(), QSize(390, 300)) << path;
        EXPECT_EQ(shown(manual_page_for_ratio(page, path, 2.0)),
                  (Shown{{780, 600}, 2.0, {390, 300}}))
            << path;
        EXPECT_EQ(shown(manual_page_for_ratio(page, path, 1.0)),
                  (Shown{{390, 300}, 1.0, {390, 300}}))
            << path;
    }
    // Its pixels are the file's, not the page's enlarged.
    const std::string first = ZUZAZIZO_BIN_DIR "/Graphics/Manual/1.bmp";
    const QImage larger(QString::fromStdString(manual_larger_page(first)));
    EXPECT_EQ(manual_page_for_ratio(QImage(QString::fromStdString(first)), first, 2.0)
                  .toImage()
                  .convertToFormat(QImage::Format_RGB32),
              larger.convertToFormat(QImage::Format_RGB32));
}

// Beside a 10x8 page: no larger drawing, one of the wrong size, a damaged one, or a page of no
// file all show the page itself at ratio 2, and no error is raised for any of them.
TEST(ManualPageRatio, FallsBackToThePageWhereTheLargerDrawingDoesNotFit) {
    ensure_qapp();
    QTemporaryDir dir;
    QImage page(10, 8, QImage::Format_RGB32);
    page.fill(Qt::green);
    const std::string path = dir.filePath("1.bmp").toStdString();
    const QString larger = QString::fromStdString(manual_larger_page(path));
    ASSERT_TRUE(page.save(QString::fromStdString(path)));
    const Shown itself{{10, 8}, 1.0, {10, 8}};

    EXPECT_EQ(shown(manual_page_for_ratio(page, path, 2.0)), itself) << "missing";
    for (const QSize wrong : {QSize(21, 16), QSize(10, 8), QSize(30, 24)}) {
        QImage drawing(wrong, QImage::Format_RGB32);
        drawing.fill(Qt::blue);
        ASSERT_TRUE(drawing.save(larger));
        EXPECT_EQ(shown(manual_page_for_ratio(page, path, 2.0)), itself) << wrong.width();
    }
    QFile damaged(larger);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(300, '\x11'));
    damaged.close();
    EXPECT_EQ(shown(manual_page_for_ratio(page, path, 2.0)), itself) << "damaged";

    QImage fitting(20, 16, QImage::Format_RGB32);
    fitting.fill(Qt::blue);
    ASSERT_TRUE(fitting.save(larger));
    EXPECT_EQ(shown(manual_page_for_ratio(page, path, 2.0)), (Shown{{20, 16}, 2.0, {10, 8}}));
    EXPECT_EQ(manual_page_for_ratio(page, path, 2.0).toImage().pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(shown(manual_page_for_ratio(page, path, 1.25)), (Shown{{20, 16}, 2.0, {10, 8}}))
        << "any ratio above 1";
    EXPECT_EQ(shown(manual_page_for_ratio(page, {}, 2.0)), itself) << "a page of no file";
}

}  // namespace
}  // namespace zuzazizo
