// Checks what skingen wrote beside the executable, as the program will read it.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>
#include <QTextStream>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

const QString bin_dir = QStringLiteral(ZUZAZIZO_BIN_DIR);

using Section = QMap<QString, QString>;

// A reader of just what Config.ini needs here: sections, key=value, ';' comments.
QMap<QString, Section> read_ini(const QString& path) {
    QMap<QString, Section> sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return sections;
    QTextStream in(&file);
    QString current;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            sections[current];
            continue;
        }
        const auto eq = line.indexOf('=');
        if (eq > 0) sections[current][line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
    }
    return sections;
}

class ConfigIni : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ini = read_ini(bin_dir + "/Config.ini"); }
    static QRect rect_of(int n) {
        const Section& s = ini[QStringLiteral("Image%1").arg(n)];
        return {s["Left"].toInt(), s["Top"].toInt(), s["Width"].toInt(), s["Height"].toInt()};
    }
    static QImage picture_of(int n) {
        return QImage(bin_dir + "/Graphics/Skin/" +
                      ini[QStringLiteral("Image%1").arg(n)]["Filename"]);
    }
    static inline QMap<QString, Section> ini;
};

constexpr int first_digit_place = 26, last_digit_place = 30;
constexpr int screen_top = 2, case_picture = 1, set_button = 9;

TEST_F(ConfigIni, CommonFullscreenVideoAndManualSections) {
    EXPECT_EQ(ini["Common"]["GameWidth"], "609");
    EXPECT_EQ(ini["Common"]["GameHeight"], "377");
    EXPECT_EQ(ini["Common"]["SkinDir"], "Graphics\\Skin\\");
    EXPECT_EQ(ini["VideoMode"]["TranspColor"], "$00ff00ff");
    EXPECT_EQ(ini["Manual"]["ManualWidth"], "390");
    EXPECT_EQ(ini["Manual"]["ManualHeight"], "300");
    const QString backdrops = bin_dir + "/Graphics/Backdrops/";
    EXPECT_FALSE(QImage(backdrops + ini["Fullscreen"]["BackdropFile"]).isNull());
    EXPECT_EQ(QImage(backdrops + ini["Fullscreen"]["LogoFile"]).size(), QSize(64, 32));
}

TEST_F(ConfigIni, EveryImageSectionHasAPictureThatFitsItsRectangle) {
    int sections = 0;
    for (int n = 1; n <= 107; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(ini.contains(QStringLiteral("Image%1").arg(n)));
        ++sections;
        const QRect r = rect_of(n);
        EXPECT_FALSE(r.isEmpty());
        EXPECT_TRUE(QRect(0, 0, 609, 377).contains(r));
        if (n >= first_digit_place && n <= last_digit_place) {
            EXPECT_EQ(ini[QStringLiteral("Image%1").arg(n)]["Filename"], "nil");
            continue;
        }
        const QImage picture = picture_of(n);
        ASSERT_FALSE(picture.isNull());
        if (n != set_button) {
            EXPECT_EQ(picture.size(), r.size());
        }
    }
    EXPECT_EQ(sections, 107);
    EXPECT_FALSE(ini.contains("Image108"));
}

TEST_F(ConfigIni, SegmentsLieOnTheScreenAndDigitsShareTheirPlaces) {
    const QRect screen = rect_of(screen_top);
    for (int n = 14; n <= 104; ++n) EXPECT_TRUE(screen.contains(rect_of(n))) << n;
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(rect_of(34 + d), rect_of(first_digit_place)) << d;
        EXPECT_EQ(rect_of(44 + d), rect_of(last_digit_place)) << d;
    }
    for (int place = first_digit_place; place < last_digit_place; ++place)
        EXPECT_FALSE(rect_of(place).intersects(rect_of(place + 1))) << place;
}

TEST_F(ConfigIni, PressedAndReleasedButtonsShareTheirRectangle) {
    for (auto [down, top] : {std::pair{3, 4}, {5, 6}, {7, 8}, {10, 11}, {12, 13}, {106, 107}}) {
        EXPECT_EQ(rect_of(down), rect_of(top)) << down;
        EXPECT_NE(picture_of(down), picture_of(top)) << down;
    }
}

// A half-transparent edge would blend with the windowed program's key colour and show as a
// magenta fringe on the desktop; outside the outline the backdrop must show in fullscreen.
TEST_F(ConfigIni, CaseIsShapedWithoutAFringe) {
    const QImage image = picture_of(case_picture).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(608, 376)), 0);
    EXPECT_EQ(qAlpha(image.pixel(304, 188)), 255);
    int fringe = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) != 0 && qAlpha(c) != 255) ++fringe;
            if (qAlpha(c) == 255 && qRed(c) > 150 && qBlue(c) > 150 && qGreen(c) < 90) ++fringe;
        }
    EXPECT_EQ(fringe, 0);
}

}  // namespace
