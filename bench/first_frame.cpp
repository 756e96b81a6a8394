#include "first_frame.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

long peak_rss_kb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

class FirstFrame final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // Report once the frame has been painted, from the next turn of the loop.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    const auto now = std::chrono::system_clock::now().time_since_epoch();
                    std::printf("first_frame_ns %lld peak_rss_kb %ld\n",
                                static_cast<long long>(std::chrono::nanoseconds(now).count()),
                                peak_rss_kb());
                    std::fflush(stdout);
                    QApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool reported_ = false;
};

}  // namespace

void report_first_frame_and_quit(QWidget& window) {
    window.installEventFilter(new FirstFrame);
}
