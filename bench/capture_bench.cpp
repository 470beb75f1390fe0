#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/app.h"
#include "capture/dim_picture.h"
#include "toolkit/sim/sim_platform.h"

namespace qirvo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void fillPattern(Raster& r) {
  for (int y = 0; y < r.height(); ++y)
    for (int x = 0; x < r.width(); ++x) r.set(x, y, makeColour(x, y, x ^ y));
}

// The dimmed copy is made once per capture, on the user-interface thread, before the
// window shows.
void BM_DimPicture(benchmark::State& state) {
  Raster screen(kWidth, kHeight);
  fillPattern(screen);
  const PictureBytes snapshot = encodePicture(screen);
  for (auto _ : state) benchmark::DoNotOptimize(dimPicture(snapshot));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(snapshot.size()));
}
BENCHMARK(BM_DimPicture)->Unit(benchmark::kMillisecond);

// One mouse move while a new selection is dragged: clear, outline, handles, clean interior
// and the event pump. The argument is the selection's side, so the cost shows its growth
// with the selection and stays far from a full-screen repaint.
void BM_DragMove(benchmark::State& state) {
  SimPlatform sim(kWidth, kHeight);
  fillPattern(sim.desktop());
  App app(sim, std::filesystem::temp_directory_path());
  app.start();
  app.mainWindow().control("按钮1").on.clicked();
  Control& overlay = app.capture().captureWindow().control("画板1");
  const int side = static_cast<int>(state.range(0));
  overlay.on.leftPress(100, 100);
  int step = 0;
  for (auto _ : state) {
    // Alternate so that every move changes the selection and repaints both frames.
    const int d = (step++ & 1) ? 0 : 1;
    overlay.on.mouseMove(100 + side + d, 100 + side * 9 / 16 + d);
  }
  overlay.on.leftRelease(100 + side, 100 + side * 9 / 16);
}
BENCHMARK(BM_DragMove)->Arg(200)->Arg(800)->Arg(1700)->Unit(benchmark::kMicrosecond);

// Opening the capture window without the backend's mapping and painting: the snapshot, its
// BMP form, the dimmed copy and both canvases' backgrounds at full-screen size.
void BM_OpenCaptureWindow(benchmark::State& state) {
  SimPlatform sim(kWidth, kHeight);
  fillPattern(sim.desktop());
  App app(sim, std::filesystem::temp_directory_path());
  app.start();
  Control& overlay = [&]() -> Control& {
    app.mainWindow().control("按钮1").on.clicked();
    return app.capture().captureWindow().control("画板1");
  }();
  for (auto _ : state) {
    overlay.on.rightPress(0, 0);
    sim.processPendingEvents();
    app.mainWindow().control("按钮1").on.clicked();
  }
}
BENCHMARK(BM_OpenCaptureWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qirvo
