#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFile>
#include <QTemporaryDir>

#include "core/settings/settings_store.h"
#include "frontend/app/settings_backend_qt.h"

namespace zuzazizo {
namespace {

QString read_all(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

TEST(SettingsOnDisk, AWriteIsInTheFileBeforeTheCallReturns) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tessaron/Dovuruza50.conf");
    QtSettingsBackend backend(path);
    SettingsStore store(backend);
    store.write_integer("HiScore1", 1230);
    store.write_bool("FullscreenMode", false);
    const QString text = read_all(path);
    EXPECT_TRUE(text.startsWith("[General]")) << text.toStdString();
    EXPECT_TRUE(text.contains("HiScore1=1230")) << text.toStdString();
    EXPECT_TRUE(text.contains("FullscreenMode=0")) << text.toStdString();

    QtSettingsBackend reopened(path);
    EXPECT_EQ(SettingsStore(reopened).read_integer("HiScore1", 0), 1230);
}

TEST(SettingsOnDisk, AnUnchangedValueIsNotWrittenAgainButAChangedOneIs) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Dovuruza50.conf");
    const auto inode = [&] {
        struct stat info {};
        return ::stat(path.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
    };
    QtSettingsBackend backend(path);
    SettingsStore store(backend);
    store.write_integer("Key1", 37);
    const auto written = inode();
    ASSERT_NE(written, 0u);
    // Each real write replaces the file, so an untouched inode means nothing was written.
    store.write_integer("Key1", 37);
    EXPECT_EQ(inode(), written);
    store.write_integer("Key1", 38);
    EXPECT_NE(inode(), written);
    EXPECT_TRUE(read_all(path).contains("Key1=38"));
    QtSettingsBackend reopened(path);
    EXPECT_EQ(SettingsStore(reopened).read_integer("Key1", 0), 38);
}

TEST(SettingsOnDisk, HandEditedValuesFollowTheIntegerTextRules) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Dovuruza50.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[General]\nHiScore1=$64\nFullscreenMode=2\nSplashScreen=abc\nKey5=0x25\nKey6=1,2\n");
    file.close();
    QtSettingsBackend backend(path);
    SettingsStore store(backend);
    EXPECT_EQ(store.read_integer("HiScore1", 0), 100);
    EXPECT_TRUE(store.read_bool("FullscreenMode", false));
    EXPECT_TRUE(store.read_bool("SplashScreen", true));
    EXPECT_EQ(store.read_integer("Key5", 39), 37);
    EXPECT_EQ(store.read_integer("Key6", 40), 40);
}

TEST(SettingsOnDisk, AWriteThatCannotReachTheDiskIsReportedAsAFailure) {
    // A folder that cannot be created, whoever runs the test: its name is taken by a file.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("Tessaron"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsBackend backend(dir.filePath("Tessaron/Dovuruza50.conf"));
    EXPECT_FALSE(backend.write("HiScore1", "10"));
}

}  // namespace
}  // namespace zuzazizo
