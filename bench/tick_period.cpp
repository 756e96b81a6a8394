// How exactly the real program keeps the play tick's period: game A runs in the main window on
// Qt's event loop while a perfect batter (placed directly under every ball that reaches the line)
// keeps it going. Gaps between ticks that nothing else delayed (no strike or miss in between) are
// compared with the interval the tick had; prints the median, 99th percentile and maximum error.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "frontend/app/program.h"
#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"

namespace {

using namespace zuzazizo;

struct Tick {
    qint64 at_ns;
    std::int32_t score;
    std::int32_t misses;
    int interval_ms;
};

void place_batter(Engine& engine) {
    GameState& s = engine.state;
    for (int r = 1; r <= 3; ++r) {
        if (s.lane_cell[r][6] != 1 || r == s.hero_pos) continue;
        engine.lcd().Vid_Show_Hero(s.hero_pos, 0);
        s.hero_pos = r;
        engine.lcd().Vid_Show_Hero(r, 1);
    }
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(i, values.size() - 1)];
}

}  // namespace

int main(int argc, char* argv[]) {
    use_precise_event_dispatcher();
    QApplication app(argc, argv);
    const int wanted = argc > 1 ? std::atoi(argv[1]) : 1000;
    auto backend = std::make_unique<MemorySettingsBackend>();
    backend->values = {{"FullscreenMode", "0"}};
    const ErrorReport to_stderr(
        [](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    TForm1 form(FormOptions{std::move(backend), QApplication::applicationDirPath().toStdString()},
                to_stderr);
    form.show();
    form.power_on();

    Engine& engine = form.engine();
    std::vector<Tick> ticks;
    std::vector<double> errors_ms;
    QElapsedTimer clock;
    clock.start();
    engine.on_play_tick = [&] {
        ticks.push_back({clock.nsecsElapsed(), engine.state.score, engine.state.misses,
                         engine.Timer_Game.interval_ms()});
        place_batter(engine);
        if (ticks.size() < 2) return;
        const Tick& a = ticks[ticks.size() - 2];
        const Tick& b = ticks.back();
        if (a.score == b.score && a.misses == b.misses) {
            errors_ms.push_back(
                std::abs(static_cast<double>(b.at_ns - a.at_ns) / 1e6 - a.interval_ms));
        }
        if (static_cast<int>(errors_ms.size()) >= wanted) QApplication::exit(0);
    };
    engine.set_mode(mode_time_1);
    engine.press(Button::game_a);
    engine.release(Button::game_a);
    QApplication::exec();

    std::printf("tick gaps %zu of %zu ticks: error median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                errors_ms.size(), ticks.size(), percentile(errors_ms, 0.5),
                percentile(errors_ms, 0.99), percentile(errors_ms, 1.0));
    return 0;
}
