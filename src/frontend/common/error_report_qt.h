// The one way an error reaches the user: a modal "Error" box with a critical icon and one OK
// button. Every front-end failure message (missing Config.ini, a broken layout, an unloadable
// sound folder, a settings write that failed) goes through a report handed to whoever may fail,
// so the look of the box is decided in one place and tests record the texts instead.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string_view>

namespace zuzazizo {

class ErrorReport {
  public:
    using Sink = std::function<void(const QString& text)>;

    // The modal box.
    ErrorReport() = default;
    // Anything else, such as a recorder: a modal box would block an unattended run.
    explicit ErrorReport(Sink sink) : sink_(std::move(sink)) {}

    void show(const QString& text) const;
    void show(std::string_view text) const {
        show(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    // Shows the text once the event loop is back with nothing else to do for `context`: from
    // inside a firmware handler or a window's showing, whose work must not run again under the
    // box's own event loop.
    void show_later(QObject* context, const QString& text) const;

  private:
    Sink sink_;
};

}  // namespace zuzazizo
