#include "picture/speckle_removal.h"

#include <array>
#include <vector>

#include "app/app.h"
#include "picture/live_pixel_reader.h"

namespace qirvo {

namespace {

SpeckleMode currentMode(const Control& modeList) {
  return static_cast<SpeckleMode>(modeList.currentIndex());
}

}  // namespace

void startSpeckleRemoval(App& app) {
  startWorker([&app](std::stop_token stop) { runSpeckleRemoval(stop, app); },
              &app.state().despeckleThread);
}

void runSpeckleRemoval(std::stop_token stop, App& app) {
  Window& w = app.mainWindow();
  Canvas& output = w.canvas("画板3");
  const Control& modeList = w.control("组合框_去杂色");
  const Control& picker = w.control("颜色选择器_背景");
  const LivePixelReader reader(output);

  std::vector<Point> found;
  if (currentMode(modeList) != SpeckleMode::Off) {
    // The scan runs one past the last column and line: there the pixel reads as black, so
    // with a black background the neighbour beyond the edge counts as background.
    const int height = output.height();
    for (int y = 1; y <= height; ++y) {
      const int width = output.width();
      for (int x = 1; x <= width; ++x) {
        if (stop.stop_requested()) return;
        const auto v = reader.getPixels(
            std::array<Point, 5>{{{x, y}, {x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}});
        if (v[0] == picker.colour()) continue;
        int background = 0;
        for (std::size_t i = 1; i < v.size(); ++i)
          if (v[i] == picker.colour()) ++background;
        // Each position is collected at most once, even if the mode changes in between.
        if ((currentMode(modeList) == SpeckleMode::AllFourNeighbours && background == 4) ||
            (currentMode(modeList) == SpeckleMode::ThreeNeighbours && background >= 3))
          found.push_back({x, y});
      }
    }
  }
  for (const Point p : found) {
    if (stop.stop_requested()) return;
    output.drawPoint(p.x, p.y, picker.colour());
  }
}

}  // namespace qirvo
