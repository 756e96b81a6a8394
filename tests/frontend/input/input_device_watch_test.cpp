// The watch on the device folders: quiet while nothing changes, and woken by an input folder
// that appears later, by device nodes coming and going and by a change of their permissions.
#include "frontend/input/input_device_watch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_app.h"

namespace zuzazizo {
namespace {

constexpr int notice_timeout_ms = 2000;
constexpr int quiet_ms = 50;

struct DeviceWatch : ::testing::Test {
    QString input() const { return dev.filePath("input"); }
    // Waits for the next notice and forgets it.
    bool noticed() {
        const bool seen = QTest::qWaitFor([&] { return spy.count() > 0; }, notice_timeout_ms);
        spy.clear();
        return seen;
    }

    QApplication& app = ensure_qapp();  // before the watch's socket notifier
    QTemporaryDir dev;
    InputDeviceWatch watch{dev.path().toStdString(), input().toStdString()};
    QSignalSpy spy{&watch, &InputDeviceWatch::changed};
};

TEST_F(DeviceWatch, StaysQuietWhileNothingChanges) {
    ASSERT_TRUE(watch.watching());
    QTest::qWait(quiet_ms);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(DeviceWatch, InputFolderMadeLaterIsWatchedForItsNodes) {
    ASSERT_TRUE(QDir(dev.path()).mkdir("input"));
    EXPECT_TRUE(noticed());
    QFile node(QDir(input()).filePath("event7"));
    ASSERT_TRUE(node.open(QIODevice::WriteOnly));
    node.close();
    EXPECT_TRUE(noticed()) << "a node created in the new folder";
    ASSERT_TRUE(node.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    EXPECT_TRUE(noticed()) << "the node made readable";
    ASSERT_TRUE(node.remove());
    EXPECT_TRUE(noticed()) << "the node removed";
    QTest::qWait(quiet_ms);
    EXPECT_EQ(spy.count(), 0);
}

}  // namespace
}  // namespace zuzazizo
