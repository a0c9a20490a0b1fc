// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the playfield view takes to draw into its image at 100 %: a
// full repaint, and the drawing of one tick (paddle, ball, one cell).
// Run off screen: the program sets up an off-screen display wide enough
// for 100 %.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryFile>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "engine/qt/CBlockView.h"
#include "shell/BuiltInStage.h"
#include "sound/OutputDevices.h"
#include "stages/CBlockDoc.h"

namespace {
constexpr int kFullZoom = 4;

struct Playfield100 {
    Playfield100() {
        LoadBuiltInStageSet(doc);
        settings.WriteInt(Settings::kSection, Settings::kZoom, kFullZoom);
        view = std::make_unique<CBlockView>(doc, settings, NoOutputDevices{});
        doc.PrepareStage();
        view->RedrawIfInvalidated();
    }

    CBlockDoc doc;
    MemorySettingsStore settings;
    std::unique_ptr<CBlockView> view;
};

void BM_FullRepaint(benchmark::State& state) {
    Playfield100 field;
    if (field.view->Zoom().zoom != kFullZoom) state.SkipWithError("the screen is too narrow for 100 %");
    const QRect whole = field.view->Image().rect();
    for (auto _ : state) {
        field.view->OnDraw(whole);
        benchmark::DoNotOptimize(field.view->Image().constBits());
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_TickDrawing(benchmark::State& state) {
    Playfield100 field;
    CBlockView& view = *field.view;
    if (view.Zoom().zoom != kFullZoom) state.SkipWithError("the screen is too narrow for 100 %");
    int paddleX = 400;
    Point ball{300, 300};
    int direction = 1;
    for (auto _ : state) {
        // A typical tick: the paddle moves by a mouse's worth, the ball by
        // three sub-steps, and a block changes.
        const int newPaddleX = paddleX + 20 * direction;
        const Point newBall{ball.x + 12 * direction, ball.y - 12 * direction};
        view.Canvas().MovePaddleSprite(paddleX, newPaddleX);
        view.Canvas().MoveBallSprite(ball, newBall);
        view.Canvas().DrawCell(7, 5);
        paddleX = newPaddleX;
        ball = newBall;
        direction = -direction;
        benchmark::DoNotOptimize(view.Image().constBits());
    }
}
BENCHMARK(BM_TickDrawing)->Unit(benchmark::kMicrosecond);

// An off-screen display of 1280 x 1024, so the zoom rules allow 100 %.
QByteArray WideOffscreenPlatform(QTemporaryFile& config) {
    config.open();
    config.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1280, "height": 1024,
                   "logicalDpi": 96, "dpr": 1}]})");
    config.close();
    return "offscreen:configfile=" + config.fileName().toLocal8Bit();
}
}  // namespace

int main(int argc, char** argv) {
    QTemporaryFile config;
    qputenv("QT_QPA_PLATFORM", WideOffscreenPlatform(config));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
