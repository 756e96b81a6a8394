#include "frontend/app/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace zuzazizo {

namespace {

class FirstPaint final : public QObject {
  public:
    FirstPaint(std::initializer_list<QWidget*> windows, std::function<void()> then)
        : QObject(QCoreApplication::instance()), then_(std::move(then)) {
        for (QWidget* window : windows) {
            window->installEventFilter(this);
            windows_.emplace_back(window);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !fired_) {
            fired_ = true;
            for (const QPointer<QWidget>& window : windows_) {
                if (window) window->removeEventFilter(this);
            }
            // The frame is flushed to the screen once this paint returns to the loop.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [then = std::move(then_)] { then(); },
                Qt::QueuedConnection);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::vector<QPointer<QWidget>> windows_;
    std::function<void()> then_;
    bool fired_ = false;
};

}  // namespace

void after_first_paint(std::initializer_list<QWidget*> windows, std::function<void()> then) {
    new FirstPaint(windows, std::move(then));
}

}  // namespace zuzazizo
