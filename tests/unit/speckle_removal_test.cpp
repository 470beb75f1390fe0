#include "picture/speckle_removal.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "app/app.h"
#include "toolkit/sim/sim_platform.h"

namespace qirvo {
namespace {

const ColourValue kRed = makeColour(255, 0, 0);

struct Dot {
  int x;
  int y;
  ColourValue colour;
};

struct Case {
  const char* what;
  ColourValue background;
  SpeckleMode mode;
  std::vector<Dot> drawn;
  std::set<std::pair<int, int>> repainted;
};

// A red 3 x 3 block at columns 11..13, lines 9..11: a neighbour that is no speckle itself.
std::vector<Dot> withRedBlock(std::vector<Dot> dots) {
  for (int y = 9; y <= 11; ++y)
    for (int x = 11; x <= 13; ++x) dots.push_back({x, y, kRed});
  return dots;
}

// Runs one pass on 画板3 (100 x 100) on the calling thread and answers which pixels changed.
std::set<std::pair<int, int>> runOn(const Case& c) {
  SimPlatform sim;
  App app(sim, ".");
  app.start();
  Window& w = app.mainWindow();
  Canvas& output = w.canvas("画板3");
  w.control("颜色选择器_背景").setColour(c.background);
  output.setBackgroundColour(c.background);
  for (const Dot& d : c.drawn) output.drawPoint(d.x, d.y, d.colour);
  w.control("组合框_去杂色").setCurrentIndex(static_cast<int>(c.mode));

  std::vector<ColourValue> before;
  for (int y = 0; y < output.height(); ++y)
    for (int x = 0; x < output.width(); ++x) before.push_back(output.pixel(x, y));
  runSpeckleRemoval(std::stop_token{}, app);
  std::set<std::pair<int, int>> changed;
  for (int y = 0; y < output.height(); ++y)
    for (int x = 0; x < output.width(); ++x)
      if (output.pixel(x, y) != before[static_cast<std::size_t>(y) * output.width() + x]) {
        EXPECT_EQ(output.pixel(x, y), c.background) << c.what;
        changed.insert({x, y});
      }
  return changed;
}

TEST(SpeckleRemoval, RepaintsWhatTheModeSaysFromTheCanvasAsItWasBefore) {
  using M = SpeckleMode;
  const Case cases[] = {
      {"lone pixel, mode 1", kWhite, M::AllFourNeighbours, {{10, 10, kBlack}}, {{10, 10}}},
      {"lone pixel, mode 2", kWhite, M::ThreeNeighbours, {{10, 10, kBlack}}, {{10, 10}}},
      {"off changes nothing", kWhite, M::Off, {{10, 10, kBlack}}, {}},
      {"three background neighbours, mode 1",
       kWhite,
       M::AllFourNeighbours,
       withRedBlock({{10, 10, kBlack}}),
       {}},
      {"three background neighbours, mode 2",
       kWhite,
       M::ThreeNeighbours,
       withRedBlock({{10, 10, kBlack}}),
       {{10, 10}}},
      // All are judged before any is repainted: the middle of three keeps two neighbours
      // that are not background, so it stays.
      {"line of three, mode 2",
       kWhite,
       M::ThreeNeighbours,
       {{10, 10, kBlack}, {11, 10, kBlack}, {12, 10, kBlack}},
       {{10, 10}, {12, 10}}},
      {"pair, mode 2",
       kWhite,
       M::ThreeNeighbours,
       {{10, 10, kBlack}, {11, 10, kBlack}},
       {{10, 10}, {11, 10}}},
      {"pair, mode 1", kWhite, M::AllFourNeighbours, {{10, 10, kBlack}, {11, 10, kBlack}}, {}},
      {"column 0 and line 0 are never examined",
       kWhite,
       M::AllFourNeighbours,
       {{0, 10, kBlack}, {10, 0, kBlack}},
       {}},
      // Beyond the last column the canvas reads as black.
      {"last column, black background, mode 1",
       kBlack,
       M::AllFourNeighbours,
       {{99, 50, kRed}},
       {{99, 50}}},
      {"last column, white background, mode 1", kWhite, M::AllFourNeighbours, {{99, 50, kRed}}, {}},
      {"last column, white background, mode 2",
       kWhite,
       M::ThreeNeighbours,
       {{99, 50, kRed}},
       {{99, 50}}},
      {"last line, black background, mode 1",
       kBlack,
       M::AllFourNeighbours,
       {{50, 99, kRed}},
       {{50, 99}}},
  };
  for (const Case& c : cases) EXPECT_EQ(runOn(c), c.repainted) << c.what;
}

TEST(SpeckleRemoval, StoppedPassRepaintsNothing) {
  SimPlatform sim;
  App app(sim, ".");
  app.start();
  Canvas& output = app.mainWindow().canvas("画板3");
  output.drawPoint(10, 10, kRed);
  app.mainWindow().control("组合框_去杂色").setCurrentIndex(1);
  std::stop_source stopped;
  stopped.request_stop();
  runSpeckleRemoval(stopped.get_token(), app);
  EXPECT_EQ(output.pixel(10, 10), kRed);
}

}  // namespace
}  // namespace qirvo
