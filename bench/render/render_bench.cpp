// The cost of the board's drawing: a full redraw (layout, static board,
// labels, tokens) at two window sizes, and one frame of the token animation
// (without its 20 ms pause), which must stay far below that pause.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

#include "render/board_renderer.h"
#include "render/example_board.h"

using namespace quorbis;

namespace {

std::string MapFolder() {
  return QCoreApplication::applicationDirPath().toStdString() + "/maps/new york/";
}

void FullRedraw(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  auto game = std::make_unique<Game>();
  MakeExampleGame(*game);
  BoardRenderer r(MapFolder());
  for (auto _ : state) {
    LayOutBoard(*game, r, w, h);
    r.UpdateMap(*game);
    r.DrawPlayer(*game, -1);
    benchmark::DoNotOptimize(r.Map().constBits());
  }
}
BENCHMARK(FullRedraw)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

void AnimationFrame(benchmark::State& state) {
  auto game = std::make_unique<Game>();
  MakeExampleGame(*game);
  BoardRenderer r(MapFolder());
  LayOutBoard(*game, r, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  r.UpdateMap(*game);
  r.DrawPlayer(*game, -1);
  r.ExchangePic(*game, game->CurPlayer);
  const Point start = game->Players[game->CurPlayer].TokenPos[game->Players[0].Position];
  int step = 0;
  for (auto _ : state) {
    // Walk back and forth along the bottom row in 4-pixel steps.
    const int x = start.X - 4 * (step % 40);
    ++step;
    benchmark::DoNotOptimize(r.DrawPlayerMove(*game, x, start.Y));
  }
}
BENCHMARK(AnimationFrame)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
