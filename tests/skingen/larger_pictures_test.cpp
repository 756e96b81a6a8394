// Checks the larger drawings of the skin that skingen writes beside each picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

const QString skin_dir = QStringLiteral(ZUZAZIZO_BIN_DIR "/Graphics/Skin");

QStringList one_times_pictures() {
    QStringList names = QDir(skin_dir).entryList({QStringLiteral("*.png")}, QDir::Files);
    names.removeIf([](const QString& name) { return name.contains('@'); });
    return names;
}

QString larger(const QString& name, int factor) {
    return name.chopped(4) + "@" + QString::number(factor) + "x.png";
}

// The share of fully covered 1x pixels whose larger drawing is clear in the middle of their block.
double lost_coverage(const QImage& small, const QImage& big, int factor) {
    int covered = 0, lost = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            if (qAlpha(small.pixel(x, y)) != 255) continue;
            ++covered;
            if (qAlpha(big.pixel(x * factor + factor / 2, y * factor + factor / 2)) == 0) ++lost;
        }
    }
    return covered == 0 ? 0.0 : static_cast<double>(lost) / covered;
}

TEST(LargerPictures, EveryPictureHasItsDrawingsAtTwoThreeAndFourTimes) {
    const QStringList names = one_times_pictures();
    ASSERT_GT(names.size(), 50);
    for (const QString& name : names) {
        const QImage small(skin_dir + "/" + name);
        ASSERT_FALSE(small.isNull()) << name.toStdString();
        for (int factor = 2; factor <= 4; ++factor) {
            const QString file = larger(name, factor);
            const QImage big(skin_dir + "/" + file);
            ASSERT_FALSE(big.isNull()) << file.toStdString();
            EXPECT_EQ(big.size(), small.size() * factor) << file.toStdString();
            EXPECT_LT(lost_coverage(small, big, factor), 0.02) << file.toStdString();
        }
    }
}

TEST(LargerPictures, ConfigIniNamesOnlyThePicturesAtTheirOwnSize) {
    QFile config(QStringLiteral(ZUZAZIZO_BIN_DIR "/Config.ini"));
    ASSERT_TRUE(config.open(QIODevice::ReadOnly));
    const QByteArray text = config.readAll();
    EXPECT_FALSE(text.contains("@2x"));
    EXPECT_TRUE(text.contains("Filename=im_background.png"));
}

}  // namespace
