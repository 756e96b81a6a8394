// Pictures decoded ahead of time must be exactly what the loader would have decoded itself.
#include "frontend/skin/picture_prefetch.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "frontend/skin/picture_loader_qt.h"

namespace zuzazizo {
namespace {

class PicturePrefetchTest : public ::testing::Test {
  protected:
    PicturePrefetchTest() {
        QImage keyed(6, 5, QImage::Format_RGB32);
        keyed.fill(qRgb(0, 255, 0));
        keyed.setPixel(3, 1, qRgb(200, 10, 10));
        keyed.save(dir.filePath("keyed.bmp"));
        QImage alpha(3, 3, QImage::Format_ARGB32);
        alpha.fill(qRgba(10, 20, 30, 128));
        alpha.save(dir.filePath("alpha.png"));
        QFile damaged(dir.filePath("damaged.png"));
        EXPECT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a picture at all");
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::vector<PictureRequest> requests() const {
        return {{path("keyed.bmp"), Transparency::bottom_left_key},
                {path("keyed.bmp"), Transparency::opaque},
                {path("alpha.png"), Transparency::opaque},
                {path("damaged.png"), Transparency::opaque}};
    }

    QTemporaryDir dir;
};

void expect_same(const LoadedPicture& ahead, const LoadedPicture& direct) {
    EXPECT_EQ(ahead.error, direct.error);
    ASSERT_EQ(ahead.ok(), direct.ok());
    if (!direct.ok()) return;
    const QImage* a = qimage_of(ahead.picture);
    const QImage* d = qimage_of(direct.picture);
    ASSERT_TRUE(a && d);
    EXPECT_EQ(a->format(), d->format());
    EXPECT_EQ(*a, *d);
}

TEST_F(PicturePrefetchTest, EveryResultMatchesADirectDecodeWhoeverDecodedIt) {
    // No workers: the taker decodes each one itself. Several: they race the taker.
    for (const int workers : {0, 1, 3}) {
        PicturePrefetch prefetch(requests(), workers);
        for (const PictureRequest& request : requests()) {
            std::optional<LoadedPicture> ahead = prefetch.take(request);
            ASSERT_TRUE(ahead.has_value()) << request.path;
            expect_same(*ahead, decode_picture(request.path, request.transparency));
        }
    }
}

TEST_F(PicturePrefetchTest, EachResultIsHandedOutOnceAndTheLoaderTakesIt) {
    PicturePrefetch prefetch(requests(), 1);
    {
        QtPictureLoader loader(&prefetch);
        const LoadedPicture loaded = loader.load(path("alpha.png"), Transparency::opaque);
        ASSERT_TRUE(loaded.ok());
        EXPECT_FALSE(prefetch.take({path("alpha.png"), Transparency::opaque}))
            << "the loader took it from the prefetch";
        // The same file under another transparency rule is another picture.
        EXPECT_TRUE(prefetch.take({path("keyed.bmp"), Transparency::opaque}));
        EXPECT_FALSE(prefetch.take({path("keyed.bmp"), Transparency::opaque}));
        EXPECT_FALSE(prefetch.take({path("elsewhere.png"), Transparency::opaque}));
        // What the prefetch no longer holds is decoded by the loader as before.
        expect_same(loader.load(path("alpha.png"), Transparency::opaque), loaded);
    }
    QtPictureLoader without;
    expect_same(without.load(path("keyed.bmp"), Transparency::bottom_left_key),
                decode_picture(path("keyed.bmp"), Transparency::bottom_left_key));
    EXPECT_TRUE(prefetch.take({path("keyed.bmp"), Transparency::bottom_left_key}))
        << "a loader given no prefetch takes nothing from one";
}

}  // namespace
}  // namespace zuzazizo
