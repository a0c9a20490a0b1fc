// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the playfield view takes to draw into its image at 100 %: a
// full repaint, and the drawing of one tick (paddle, ball, one cell).
// Run off screen: the program sets up an off-screen display wide enough
// for 100 %.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTemporaryFile>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "engine/BallSprite.h"
#include "engine/qt/CBlockView.h"
#include "engine/qt/PlayfieldImage.h"
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

// One frame of smooth motion at a zoom, as the view paints it between two
// ticks: the three ball squares the frame touches copied from the picture,
// then the picture's ball hidden and the ball shown a little further on.
void BM_SmoothFrame(benchmark::State& state) {
    const ZoomLevel zoom = ZoomLevel::For(static_cast<int>(state.range(0)));
    CBlockDoc doc;
    LoadBuiltInStageSet(doc);
    doc.PrepareStage();
    PlayfieldImage picture(doc, [] { return false; }, [](const Rect&) {}, [] {});
    picture.SetZoom(zoom);
    picture.TakeInvalidation();
    picture.Draw({0, 0, picture.Image().width(), picture.Image().height()}, {});
    const Point pictured{330, 270};
    picture.MoveBallSprite(pictured, pictured);
    QImage screen(picture.Image().size(), QImage::Format_RGB32);
    Point shown{300, 300};
    for (auto _ : state) {
        const Point next{shown.x + 4, shown.y - 4};
        QPainter painter(&screen);
        for (const Point place : {shown, next, pictured}) {
            const Rect square = BallSquare(place, zoom.zoom);
            const QRect area(square.x, square.y, square.width, square.height);
            painter.drawImage(area, picture.Image(), area);
        }
        picture.PaintBallElsewhere(painter, pictured, next, 400);
        shown = next.x < pictured.x ? next : Point{300, 300};
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_SmoothFrame)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

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
