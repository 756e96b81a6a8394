// The cost of painting: the rectangles one play tick changes, against the whole window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "app/error_report_qt.h"
#include "app/unit1.h"

namespace {

using namespace zuzazizo;

struct Scene {
    Scene() {
        backend->values = {{"FullscreenMode", "0"}};
        form = std::make_unique<TForm1>(FormOptions{std::move(backend), ZUZAZIZO_BIN_DIR});
        Engine& engine = form->engine();
        engine.set_mode(mode_time_1);
        engine.press(Button::game_a);
        engine.release(Button::game_a);
        engine.Timer_Game_StartTimer();
        // Play a few ticks so that the field holds balls, then collect one tick's changes.
        for (int i = 0; i < 12; ++i) engine.Timer_GameTimer();
        // The window's own observer only schedules repaints; here the rectangles are collected.
        const_cast<ImageModel&>(form->images()).set_observer([this](const Rect& r) {
            tick_region += QRect(r.left, r.top, r.width, r.height);
        });
        engine.Timer_GameTimer();
    }

    std::unique_ptr<MemorySettingsBackend> backend = std::make_unique<MemorySettingsBackend>();
    std::unique_ptr<TForm1> form;
    QRegion tick_region;
};

Scene& scene() {
    static Scene* s = new Scene;
    return *s;
}

void paint(benchmark::State& state, const QRegion& region) {
    QImage target(scene().form->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        scene().form->render(&target, QPoint(), region, QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["pixels"] =
        static_cast<double>(region.boundingRect().width() * region.boundingRect().height());
}

void BM_PaintOneTick(benchmark::State& state) {
    paint(state, scene().tick_region);
}
void BM_PaintWholeWindow(benchmark::State& state) {
    paint(state, QRegion(scene().form->rect()));
}

BENCHMARK(BM_PaintOneTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintWholeWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    set_error_hook([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
