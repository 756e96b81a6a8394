// Decoding of real files, good and damaged, written by the tests into a temporary directory.
#include "frontend/skin/picture_loader_qt.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <string>

namespace zuzazizo {
namespace {

constexpr QRgb key_green = qRgb(0, 255, 0);
constexpr QRgb ink = qRgb(20, 30, 40);

// A 4 by 4 picture whose bottom-left pixel and one more pixel are green.
QImage keyed_sample() {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(ink);
    image.setPixel(0, 3, key_green);
    image.setPixel(2, 1, key_green);
    return image;
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray big_endian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A PNG signature and header chunk that claim a size, followed by nothing.
QByteArray png_header_claiming(quint32 width_px, quint32 height_px) {
    QByteArray chunk = "IHDR" + big_endian(width_px) + big_endian(height_px);
    chunk.append("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, no interlace
    // The start of a data chunk, so that the reader finds the header complete.
    const QByteArray data = big_endian(1000) + "IDAT" + QByteArray("\x78\x9c", 2);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + big_endian(13) + chunk + big_endian(crc32(chunk)) +
           data;
}

class QtPictureLoaderTest : public ::testing::Test {
  protected:
    std::string path(const QString& name) const { return dir.filePath(name).toStdString(); }
    std::string write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    std::string save(const QString& name, const QImage& image, const char* format) {
        EXPECT_TRUE(image.save(dir.filePath(name), format));
        return path(name);
    }
    QImage decoded(const std::string& file, Transparency transparency) {
        const LoadedPicture loaded = loader.load(file, transparency);
        EXPECT_TRUE(loaded.ok()) << loaded.error;
        if (!loaded.ok()) return {};
        return static_cast<const QtPicture&>(*loaded.picture).image();
    }
    std::string error_of(const std::string& file) {
        const LoadedPicture loaded = loader.load(file, Transparency::bottom_left_key);
        EXPECT_FALSE(loaded.ok());
        return loaded.error;
    }

    QTemporaryDir dir;
    QtPictureLoader loader;
};

TEST_F(QtPictureLoaderTest, BitmapLosesItsBottomLeftColourExceptInButtons) {
    const std::string file = save("hero.bmp", keyed_sample(), "BMP");
    const QImage keyed = decoded(file, Transparency::bottom_left_key);
    ASSERT_EQ(keyed.size(), QSize(4, 4));
    EXPECT_EQ(keyed.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(2, 1)), 0);
    EXPECT_EQ(keyed.pixel(1, 1), ink | 0xFF000000u);

    const QImage button = decoded(file, Transparency::opaque);
    EXPECT_EQ(button.pixel(0, 3), key_green);
    EXPECT_EQ(button.pixel(2, 1), key_green);
}

TEST_F(QtPictureLoaderTest, PngKeepsItsOwnAlphaAndIsNeverKeyed) {
    QImage image(3, 3, QImage::Format_ARGB32);
    image.fill(key_green);
    image.setPixel(1, 1, qRgba(255, 0, 0, 0));
    const std::string file = save("ball.PNG", image, "PNG");
    for (const Transparency transparency : {Transparency::bottom_left_key, Transparency::opaque}) {
        const QImage png = decoded(file, transparency);
        EXPECT_EQ(png.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(png.pixel(0, 2), key_green);
        EXPECT_EQ(qAlpha(png.pixel(1, 1)), 0);
    }
}

TEST_F(QtPictureLoaderTest, JpegAndIconDecodeWithoutAKey) {
    QImage photo(16, 16, QImage::Format_RGB32);
    photo.fill(qRgb(10, 200, 10));
    const QImage jpeg = decoded(save("sky.jpeg", photo, "JPEG"), Transparency::bottom_left_key);
    EXPECT_EQ(jpeg.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(jpeg.pixel(0, 15)), 255);
    EXPECT_EQ(
        qAlpha(decoded(save("sky.JPG", photo, "JPEG"), Transparency::bottom_left_key).pixel(5, 5)),
        255);

    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(qRgba(0, 0, 0, 0));
    icon.setPixel(8, 8, qRgba(0, 0, 255, 255));
    const QImage ico = decoded(save("logo.ico", icon, "ICO"), Transparency::bottom_left_key);
    EXPECT_EQ(qAlpha(ico.pixel(0, 0)), 0);
    EXPECT_EQ(ico.pixel(8, 8), qRgba(0, 0, 255, 255));
}

TEST_F(QtPictureLoaderTest, EmptyAndTruncatedFilesAreErrors) {
    EXPECT_NE(error_of(write("empty.png", {})).find("empty"), std::string::npos);
    EXPECT_NE(error_of(write("empty.bmp", {})).find("empty"), std::string::npos);

    QImage noise(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) noise.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 0xFF));
    }
    QByteArray png;
    {
        const std::string whole = save("whole.png", noise, "PNG");
        QFile file(QString::fromStdString(whole));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        png = file.readAll();
    }
    for (const qsizetype length : {qsizetype{8}, qsizetype{40}, png.size() / 2, png.size() - 20}) {
        SCOPED_TRACE(length);
        EXPECT_NE(error_of(write("cut.png", png.left(length))).find("damaged"), std::string::npos);
    }
    EXPECT_NE(error_of(write("noise.jpg", QByteArray(500, '\x5a'))).find("damaged"),
              std::string::npos);
}

TEST_F(QtPictureLoaderTest, ContentIsDecodedByExtensionOnly) {
    const std::string png_named_bmp = path("real_png.bmp");
    ASSERT_TRUE(keyed_sample().save(QString::fromStdString(png_named_bmp), "PNG"));
    EXPECT_NE(error_of(png_named_bmp).find("BMP"), std::string::npos);

    const std::string gif = save("anim.gif", keyed_sample(), "BMP");
    EXPECT_NE(error_of(gif).find("\"gif\""), std::string::npos);
    EXPECT_NE(error_of(write("noext", "BM")).find("no decoder"), std::string::npos);
}

TEST_F(QtPictureLoaderTest, MetafilesHaveNoDecoder) {
    // The placeable-metafile signature, so the file is a metafile in every respect but decoding.
    const QByteArray wmf("\xD7\xCD\xC6\x9A\x00\x00", 6);
    EXPECT_NE(error_of(write("case.wmf", wmf)).find("no decoder"), std::string::npos);
    EXPECT_NE(error_of(write("case.EMF", wmf)).find("no decoder"), std::string::npos);
}

TEST_F(QtPictureLoaderTest, HugeDimensionsAreRefusedBeforeDecoding) {
    const std::string wide = write("wide.png", png_header_claiming(100000, 10));
    EXPECT_NE(error_of(wide).find("100000 by 10"), std::string::npos) << error_of(wide);
    // Each side allowed, the area not.
    const std::string square = write("square.png", png_header_claiming(16000, 16000));
    EXPECT_NE(error_of(square).find("16000 by 16000"), std::string::npos) << error_of(square);

    QByteArray bmp = "BM" + QByteArray(12, '\0');
    QByteArray info(40, '\0');
    qToLittleEndian<quint32>(40, info.data());
    qToLittleEndian<qint32>(20000, info.data() + 4);
    qToLittleEndian<qint32>(4000, info.data() + 8);
    qToLittleEndian<quint16>(1, info.data() + 12);
    qToLittleEndian<quint16>(24, info.data() + 14);
    qToLittleEndian<quint32>(54, bmp.data() + 10);
    const std::string bomb = write("bomb.bmp", bmp + info);
    EXPECT_NE(error_of(bomb).find("20000 by 4000"), std::string::npos) << error_of(bomb);
}

TEST_F(QtPictureLoaderTest, ExistsMeansARegularFile) {
    EXPECT_TRUE(loader.exists(write("a.bmp", "x")));
    EXPECT_FALSE(loader.exists(path("missing.bmp")));
    EXPECT_FALSE(loader.exists(dir.path().toStdString()));
}

TEST(MissingImageMarkerTest, IsATenPixelRedSquareInABlackOutline) {
    const QImage marker = make_missing_image_marker();
    ASSERT_EQ(marker.size(), QSize(10, 10));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool edge = x == 0 || y == 0 || x == 9 || y == 9;
            EXPECT_EQ(marker.pixel(x, y), edge ? qRgb(0, 0, 0) : qRgb(255, 0, 0)) << x << "," << y;
        }
    }
    QtPictureLoader loader;
    EXPECT_EQ(loader.missing_image_marker(), loader.missing_image_marker());
    EXPECT_EQ(loader.missing_image_marker()->width_px(), 10);
}

}  // namespace
}  // namespace zuzazizo

namespace zuzazizo {
namespace {

// The deferred loader fails a file for everything found before the pixels, with the words of the
// full decode, and decodes the rest only when asked.
class DeferredLoaderTest : public QtPictureLoaderTest {
  protected:
    LoadedPicture deferred(const std::string& file) {
        return deferred_loader.load(file, Transparency::bottom_left_key);
    }
    DeferredPictureLoader deferred_loader;
};

TEST_F(DeferredLoaderTest, FailsWhatTheDecodeFailsBeforeThePixelsWithTheSameWords) {
    const std::string empty = write("empty.bmp", {});
    const std::string metafile = write("page.wmf", "x");
    const std::string header_only = write("header.png", png_header_claiming(100000, 10));
    const std::string garbage = write("garbage.bmp", QByteArray(300, '\x11'));
    for (const std::string& file : {empty, metafile, header_only, garbage}) {
        SCOPED_TRACE(file);
        const LoadedPicture checked = deferred(file);
        EXPECT_FALSE(checked.ok());
        EXPECT_EQ(checked.error, error_of(file));
    }
}

TEST_F(DeferredLoaderTest, AGoodFileIsDecodedOnFirstUseToTheSamePixels) {
    const std::string file = save("page.bmp", keyed_sample(), "BMP");
    const LoadedPicture checked = deferred(file);
    ASSERT_TRUE(checked.ok()) << checked.error;
    const auto* page = dynamic_cast<const DeferredPicture*>(checked.picture.get());
    ASSERT_NE(page, nullptr) << "nothing decoded yet";
    EXPECT_EQ(page->width_px(), 4);
    EXPECT_EQ(page->height_px(), 4);
    const LoadedPicture& pixels = page->decoded();
    ASSERT_TRUE(pixels.ok()) << pixels.error;
    EXPECT_EQ(*qimage_of(pixels.picture), decoded(file, Transparency::bottom_left_key));
    EXPECT_EQ(&page->decoded(), &pixels) << "decoded once";
}

TEST_F(DeferredLoaderTest, PixelsMissingBehindAGoodHeaderFailOnlyAtFirstUse) {
    QByteArray bmp;
    {
        const std::string whole = save("whole.bmp", keyed_sample(), "BMP");
        QFile file(QString::fromStdString(whole));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        bmp = file.readAll();
    }
    const std::string cut = write("cut.bmp", bmp.left(54));  // the headers and no pixel row
    const LoadedPicture checked = deferred(cut);
    ASSERT_TRUE(checked.ok()) << checked.error;
    const auto& page = dynamic_cast<const DeferredPicture&>(*checked.picture);
    EXPECT_FALSE(page.decoded().ok());
    EXPECT_EQ(page.decoded().error, error_of(cut));
}

}  // namespace
}  // namespace zuzazizo
