// zuzazizo_frames: plays a frame script (frame_script.h) on the real main window, offscreen, on
// simulated time, and saves the window's frames as PNG files.
//
// Usage: zuzazizo_frames <folder with Config.ini> <script> <output folder>
//
// The window runs at zoom 1 in windowed mode, without sound, from its all-segments display, as
// the program starts with the splash screen turned off. Each frame is the window's whole client
// area as the window paints it; the pixels in the colour key, which its shape cuts away, are
// saved as they are painted. For each frame a line "<name> <mode> <score> <misses>" goes to the
// standard output, so that a script can be checked to show what it says it shows.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "core/engine/virtual_clock.h"
#include "core/settings/settings_backend.h"
#include "frame_script.h"
#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"

using namespace zuzazizo;

namespace {

std::unique_ptr<SettingsBackend> fresh_settings() {
    auto backend = std::make_unique<MemorySettingsBackend>();
    backend->values = {
        {"FullscreenMode", "0"}, {"Zoom", "1"}, {"SplashScreen", "0"}, {"SoundMode", "2"}};
    return backend;
}

void send_key(TForm1& form, QEvent::Type type, int qt_key) {
    QKeyEvent event(type, qt_key, Qt::NoModifier);
    QApplication::sendEvent(&form, &event);
}

bool save_frame(TForm1& form, const QString& out_dir, const std::string& name) {
    const QString path = QDir(out_dir).filePath(QString::fromStdString(name) + ".png");
    if (!form.grab().toImage().save(path, "PNG")) return false;
    const GameState& s = form.engine().state;
    std::printf("%s %d %d %d\n", name.c_str(), s.game_mode, s.score, s.misses);
    return true;
}

bool play(TForm1& form, VirtualClock& clock, const FrameScript& script, const QString& out_dir) {
    for (const FrameStep& step : script.steps) {
        switch (step.kind) {
            case FrameStep::Kind::wait:
                clock.advance(step.ms);
                break;
            case FrameStep::Kind::down:
                send_key(form, QEvent::KeyPress, step.qt_key);
                break;
            case FrameStep::Kind::up:
                send_key(form, QEvent::KeyRelease, step.qt_key);
                break;
            case FrameStep::Kind::shot:
                if (!save_frame(form, out_dir, step.name)) return false;
                break;
        }
    }
    return true;
}

std::optional<FrameScript> read_script(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return std::nullopt;
    }
    const ParsedScript parsed = parse_frame_script(file.readAll().toStdString());
    if (!parsed.script) std::fprintf(stderr, "%s: %s\n", qPrintable(path), parsed.error.c_str());
    return parsed.script;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <folder with Config.ini> <script> <output folder>\n",
                     argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::optional<FrameScript> script = read_script(QString::fromLocal8Bit(argv[2]));
    if (!script) return 2;
    const QString out_dir = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(out_dir);

    VirtualClock clock;
    const RunningWallClock wall_clock(script->start, [&clock] { return clock.now_ms(); });
    bool failed = false;
    TForm1 form(
        FormOptions{fresh_settings(), argv[1], &clock, &wall_clock, seeded_coin(script->seed)},
        ErrorReport([&failed](const QString& text) {
            std::fprintf(stderr, "error: %s\n", qPrintable(text));
            failed = true;
        }));
    if (failed || form.terminating()) return 1;
    form.set_sound_enabled(false);
    form.power_on();
    return play(form, clock, *script, out_dir) && !failed ? 0 : 1;
}
