// A main window on the generated skin with everything it reaches out to recorded: the settings,
// the windows its commands open, the documents it opens, its beeps and its error boxes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frontend/app/popup_menu.h"
#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"
#include "support/qt_app.h"

namespace zuzazizo {

struct RecordingShell final : ShellHost {
    void show_about() override { shown.push_back("about"); }
    void show_manual() override { shown.push_back("manual"); }
    void show_keys() override { shown.push_back("keys"); }
    std::vector<std::string> shown;
};

struct FormFixture : ::testing::Test {
    FormFixture() { ensure_qapp(); }

    std::unique_ptr<TForm1> make_form(std::string base_dir = ZUZAZIZO_BIN_DIR) {
        auto backend = std::make_unique<MemorySettingsBackend>();
        backend->values = initial;
        settings = backend.get();
        auto form = std::make_unique<TForm1>(
            FormOptions{std::move(backend), std::move(base_dir)},
            ErrorReport([this](const QString& text) { errors.push_back(text.toStdString()); }));
        form->set_shell(&shell);
        form->set_link_opener([this](const QUrl& url) { opened.push_back(url.toLocalFile()); });
        form->set_beeper([this] { ++beeps; });
        return form;
    }
    std::string write_config(const char* text) {
        QFile file(dir.filePath("Config.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return dir.path().toStdString();
    }

    std::map<std::string, std::string> initial = {{"FullscreenMode", "0"}};
    MemorySettingsBackend* settings = nullptr;
    RecordingShell shell;
    std::vector<QString> opened;
    int beeps = 0;
    std::vector<std::string> errors;
    QTemporaryDir dir;
};

inline void press_key(QWidget& w, int qt_key) {
    QKeyEvent down(QEvent::KeyPress, qt_key, Qt::NoModifier);
    QApplication::sendEvent(&w, &down);
    QKeyEvent up(QEvent::KeyRelease, qt_key, Qt::NoModifier);
    QApplication::sendEvent(&w, &up);
}

// A mouse event at a point of `w`, with the screen position Qt would give it.
inline void send_mouse_at(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                          Qt::MouseButtons held, QPoint global) {
    QMouseEvent event(type, QPointF(pos), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}
inline void send_mouse_at(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    send_mouse_at(w, type, pos, button, held, w.mapToGlobal(pos));
}
inline void click_at(QWidget& w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    send_mouse_at(w, QEvent::MouseButtonPress, pos, button);
    send_mouse_at(w, QEvent::MouseButtonRelease, pos, button);
}

// A point where the mouse reaches exactly this image (its top-left-most one).
inline QPoint point_hitting(const TForm1& form, ImageId id) {
    const Rect& r = form.images()[id].bounds;
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            if (form.images().hit_test(x, y) == id) return {x, y};
    ADD_FAILURE() << "no point of the image takes the mouse";
    return {};
}

// What an item or row says, without the shortcut column.
inline std::string caption_of(const QAction* item) {
    return item->text().section(QLatin1Char('\t'), 0, 0).toStdString();
}

// Deletes the rows that a closed menu left for the event loop.
inline void run_deferred_deletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace zuzazizo
