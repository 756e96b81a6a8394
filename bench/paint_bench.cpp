// The cost of painting: the rectangles one play tick changes, against the whole window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "frontend/app/unit1.h"
#include "frontend/common/error_report_qt.h"

namespace {

using namespace zuzazizo;

struct Scene {
    explicit Scene(int zoom) {
        backend->values = {{"FullscreenMode", "0"}, {"Zoom", std::to_string(zoom)}};
        form = std::make_unique<TForm1>(FormOptions{std::move(backend), ZUZAZIZO_BIN_DIR},
                                        ErrorReport([](const QString&) {}));
        Engine& engine = form->engine();
        engine.set_mode(mode_time_1);
        engine.press(Button::game_a);
        engine.release(Button::game_a);
        engine.Timer_Game_StartTimer();
        // Play a few ticks so that the field holds balls, then collect one tick's changes.
        for (int i = 0; i < 12; ++i) engine.Timer_GameTimer();
        // The window's own observer only schedules repaints; here the rectangles are collected.
        const_cast<ImageModel&>(form->images()).set_observer([this](const Rect& game) {
            const Rect r = form->view().window_cover(game);
            tick_region += QRect(r.left, r.top, r.width, r.height);
        });
        engine.Timer_GameTimer();
    }

    std::unique_ptr<MemorySettingsBackend> backend = std::make_unique<MemorySettingsBackend>();
    std::unique_ptr<TForm1> form;
    QRegion tick_region;
};

Scene& scene(int zoom = 1) {
    static Scene* scenes[zoom_max + 1] = {};
    if (!scenes[zoom]) scenes[zoom] = new Scene(zoom);
    return *scenes[zoom];
}

void paint(benchmark::State& state, const QRegion& region, int zoom = 1) {
    QImage target(scene(zoom).form->size(), QImage::Format_ARGB32_Premultiplied);
    // The first paint at a zoom reads the larger drawings; that is start-up, not a tick.
    scene(zoom).form->render(&target, QPoint(), region, QWidget::RenderFlags());
    for (auto _ : state) {
        scene(zoom).form->render(&target, QPoint(), region, QWidget::RenderFlags());
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

// At the largest zoom every tick's rectangles are 16 times the pixels; this must stay under 1 ms.
void BM_PaintOneTickZoom4(benchmark::State& state) {
    paint(state, scene(zoom_max).tick_region, zoom_max);
}

void BM_PaintWholeWindowZoom4(benchmark::State& state) {
    paint(state, QRegion(scene(zoom_max).form->rect()), zoom_max);
}

BENCHMARK(BM_PaintOneTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintOneTickZoom4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintWholeWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintWholeWindowZoom4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
