// The passes without any user interface: a colour-key pass over a full-screen capture, the
// naive per-pixel read it replaces (a whole picture of 画板2 made and loaded for every
// pixel), and speckle removal over the largest 画板3.
//
// Ratio: 10,000 x BM_NaivePixelRead against BM_ColourKeyPass.
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "picture/colour_key_pass.h"
#include "picture/speckle_removal.h"
#include "toolkit/sim/sim_platform.h"

namespace qirvo {
namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// The program after a capture of the whole 1920 x 1080 screen, pointer on 画板2.
struct FullScreenCapture {
  FullScreenCapture() : sim(kScreenWidth, kScreenHeight), app(sim, ".") {
    for (int y = 0; y < kScreenHeight; ++y)
      for (int x = 0; x < kScreenWidth; ++x)
        sim.desktop().set(x, y, makeColour(x % 7 * 30, y % 5 * 50, (x + y) % 3 * 80));
    app.start();
    AppState& s = app.state();
    s.capturedPicture = encodePicture(sim.grabScreen({0, 0, kScreenWidth, kScreenHeight}));
    s.capturedWidth = kScreenWidth;
    s.capturedHeight = kScreenHeight;
    Window& w = app.mainWindow();
    Canvas& source = w.canvas("画板2");
    source.setWidth(kScreenWidth);
    source.setHeight(kScreenHeight);
    source.setBackgroundPicture(s.capturedPicture);
    w.control("组合框_相识度").setText("0.9");
    w.control("选择框_去背景").setChecked(true);
    sim.setPointerPosition(sim.toScreen(w, w.control("画板2"), {10, 10}));
  }
  SimPlatform sim;
  App app;
};

void BM_ColourKeyPass(benchmark::State& state) {
  FullScreenCapture f;
  for (auto _ : state) runColourKeyPass(std::stop_token{}, f.app);
  state.counters["pixels"] = 10000;
}
BENCHMARK(BM_ColourKeyPass)->Unit(benchmark::kMillisecond);

// One pixel read the way the pass reads it: live, under the canvas lock.
void BM_LivePixelRead(benchmark::State& state) {
  FullScreenCapture f;
  const Canvas& source = f.app.mainWindow().canvas("画板2");
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(source.pixel(1 + x, 1 + x));
    x = (x + 1) % 100;
  }
}
BENCHMARK(BM_LivePixelRead);

// One pixel read the naive way: the whole picture of 画板2, loaded, then one pixel.
void BM_NaivePixelRead(benchmark::State& state) {
  FullScreenCapture f;
  const Canvas& source = f.app.mainWindow().canvas("画板2");
  PixelReader reader;
  int x = 0;
  for (auto _ : state) {
    reader.load(source.getPicture());
    benchmark::DoNotOptimize(reader.getPixel(1 + x, 1 + x));
    x = (x + 1) % 100;
  }
}
BENCHMARK(BM_NaivePixelRead)->Unit(benchmark::kMillisecond);

// "去杂点2" over a 103 x 103 画板3 strewn with speckles, pairs and blocks.
void BM_SpeckleRemoval(benchmark::State& state) {
  SimPlatform sim(640, 480);
  App app(sim, ".");
  app.start();
  Window& w = app.mainWindow();
  Canvas& output = w.canvas("画板3");
  output.setWidth(103);
  output.setHeight(103);
  Canvas pattern(103, 103, Persistence::Persistent);
  for (int y = 0; y < 103; ++y)
    for (int x = 0; x < 103; ++x)
      if ((x * 13 + y * 7) % 11 == 0 || (x / 20 + y / 20) % 4 == 0)
        pattern.drawPoint(x, y, makeColour(200, 30, 30));
  w.control("组合框_去杂色").setCurrentIndex(static_cast<int>(SpeckleMode::ThreeNeighbours));
  for (auto _ : state) {
    state.PauseTiming();
    output.copyBlockFrom(pattern, 0, 0, 103, 103, 0, 0);
    state.ResumeTiming();
    runSpeckleRemoval(std::stop_token{}, app);
  }
}
BENCHMARK(BM_SpeckleRemoval)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qirvo
