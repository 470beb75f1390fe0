#include <atomic>
#include <set>
#include <thread>
#include <utility>

#include "scenario_fixture.h"

namespace qirvo {
namespace {

using ColourKeyPass = ScenarioTest;

const ColourValue kMark = makeColour(1, 2, 3);

// The pixels of 画板3 in the colour `c`.
std::set<std::pair<int, int>> pixelsOf(const Canvas& canvas, ColourValue c) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.pixel(x, y) == c) out.insert({x, y});
  return out;
}

std::set<std::pair<int, int>> block(int lastColumn, int lastLine) {
  std::set<std::pair<int, int>> out;
  for (int y = 1; y <= lastLine; ++y)
    for (int x = 1; x <= lastColumn; ++x) out.insert({x, y});
  return out;
}

TEST_F(ColourKeyPass, OutputSizeAndExaminedPixels) {
  // Every pixel matches at threshold 0, and with "去背景" each examined one takes the
  // picker's colour, which 画板3's own background is not.
  control("组合框_相识度").setText("0");
  control("选择框_去背景").setChecked(true);
  control("颜色选择器_背景").setColour(kMark);
  Canvas& output = canvas("画板3");
  struct Case {
    int width, height;
    int outWidth, outHeight;
    int lastColumn, lastLine;
  };
  const Case cases[] = {
      {1, 1, 4, 4, 0, 0},
      {2, 2, 5, 5, 1, 1},
      {50, 40, 53, 43, 49, 39},
      {250, 30, 103, 33, 100, 29},
      {300, 300, 103, 103, 100, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    captureRegion({0, 0, c.width, c.height});
    control("标签_制作透明图片进度").setText("");
    press("画板2", {0, 0});
    finishPasses();
    EXPECT_EQ(output.width(), c.outWidth);
    EXPECT_EQ(output.height(), c.outHeight);
    EXPECT_EQ(pixelsOf(output, kMark), block(c.lastColumn, c.lastLine));
    EXPECT_EQ(control("标签_制作透明图片进度").text(), "100%");
  }

  // Fed back in, 画板2 is as large as 画板3 while the columns still follow the capture.
  captureRegion({0, 0, 50, 40});
  press("画板2", {0, 0});
  finishPasses();
  control("按钮_转到处理区").on.clicked();
  EXPECT_EQ(canvas("画板2").width(), 53);
  EXPECT_EQ(canvas("画板2").height(), 43);
  press("画板2", {0, 0});
  finishPasses();
  EXPECT_EQ(output.width(), 53);
  EXPECT_EQ(output.height(), 43);
  EXPECT_EQ(pixelsOf(output, kMark), block(49, 42));
}

TEST_F(ColourKeyPass, NoCaptureYetAsksForOne) {
  canvas("画板3").drawPoint(3, 3, kWhite);
  press("画板2", {1, 1});
  finishPasses();
  ASSERT_EQ(sim.messages().size(), 1u);
  EXPECT_EQ(sim.messages()[0].text, "请先截取你需要找的图片!");
  EXPECT_FALSE(app.state().transparentMade);
  EXPECT_EQ(canvas("画板3").width(), 100);
  EXPECT_EQ(canvas("画板3").pixel(3, 3), kWhite);
}

TEST_F(ColourKeyPass, MultiColourOverlayKeepsThePixelsOfEitherKey) {
  const ColourValue a = makeColour(200, 40, 40);
  const ColourValue b = makeColour(40, 200, 40);
  sim.desktop().fillRect({0, 0, 30, 30}, makeColour(90, 90, 90));
  sim.desktop().fillRect({5, 5, 10, 10}, a);
  sim.desktop().fillRect({15, 15, 20, 20}, b);
  captureRegion({0, 0, 30, 30});
  control("选择框_多色").setChecked(true);
  press("画板2", {6, 6});
  finishPasses();
  press("画板2", {16, 16});
  finishPasses();
  const Canvas& output = canvas("画板3");
  EXPECT_EQ(pixelsOf(output, a).size(), 25u);
  EXPECT_EQ(pixelsOf(output, b).size(), 25u);
  EXPECT_EQ(pixelsOf(output, kBlack).size(), 33u * 33u - 50u);
}

TEST_F(ColourKeyPass, EarlierPassesEndBeforeTheCanvasIsCleared) {
  captureRegion({0, 0, 10, 10});
  Canvas& output = canvas("画板3");
  // Stand-ins for a colour-key and a speckle pass that are painting when the press comes.
  const ColourValue red = makeColour(255, 0, 0);
  std::atomic<int> painting{0};
  for (WorkerHandle* field : {&app.state().keyingThread, &app.state().despeckleThread})
    startWorker(
        [&output, &painting, red](std::stop_token stop) {
          ++painting;
          while (!stop.stop_requested()) output.drawPoint(11, 11, red);
        },
        field);
  while (painting < 2) std::this_thread::yield();
  press("画板2", {0, 0});
  finishPasses();
  EXPECT_EQ(output.pixel(11, 11), kBlack);  // beyond the examined columns and lines
}

TEST_F(ColourKeyPass, ClosingMainWindowDuringAPassEndsTheProgram) {
  captureRegion({0, 0, 300, 300});
  press("画板2", {0, 0});
  requestClose(sim, app.mainWindow());
  sim.processPendingEvents();
  EXPECT_EQ(sim.exitCode(), 0);
  EXPECT_FALSE(app.state().keyingThread.holdsAny());
}

}  // namespace
}  // namespace qirvo
