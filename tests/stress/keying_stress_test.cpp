// Many passes started and stopped in quick succession while another thread reads the
// canvases as a backend's repaint would. Meant to run under ThreadSanitizer: any race on
// the models, the workers or the simulated screen shows up as a report.
#include <thread>

#include "scenario_fixture.h"

namespace qirvo {
namespace {

using KeyingStress = ScenarioTest;

TEST_F(KeyingStress, RapidPressesWithSpecklePassesAndColourChanges) {
  // A busy picture from a small palette, so that every key matches many pixels and the
  // speckle passes find plenty to do.
  const ColourValue palette[] = {kBlack, kWhite, makeColour(200, 30, 30), makeColour(30, 200, 30),
                                 makeColour(0x20, 0x80, 0xC0)};
  Raster& desktop = sim.desktop();
  for (int y = 0; y < 220; ++y)
    for (int x = 0; x < 220; ++x) desktop.set(20 + x, 20 + y, palette[(x * 7 + y * 3 + x * y) % 5]);
  captureRegion({20, 20, 120, 120});

  std::jthread painter([&](std::stop_token stop) {
    const Rect mainWindow = app.mainWindow().clientRect();
    while (!stop.stop_requested()) {
      canvas("画板3").takeDirty();
      (void)canvas("画板3").getPicture();
      (void)sim.grabScreen(mainWindow);
      (void)control("标签_制作透明图片进度").text();
    }
  });

  Control& threshold = control("组合框_相识度");
  Control& removeBackground = control("选择框_去背景");
  for (int round = 0; round < 10; ++round) {
    SCOPED_TRACE(round);
    for (int i = 0; i < 20; ++i) {
      threshold.setCurrentIndex((round + i) % 11);
      removeBackground.setChecked((round + i) % 2 == 0);
      press("画板2", {(i * 37 + round) % 100, (i * 53 + round) % 100});
      if (i % 3 == 0) choose("组合框_去杂色", 1 + i % 2);
      if (i % 3 == 1) choose("组合框_去杂色", 2);
      if (i % 4 == 1) chooseBackground(palette[(round + i) % 5]);
      if (i % 5 == 2) press("画板3", {i, round});
      if (round % 3 == 2 && i == 7) control("按钮_转到处理区").on.clicked();
    }
    // The last press of the round, with nothing changed after it: 画板3 must end as this
    // pass alone paints it, whatever the earlier passes were doing when it began.
    threshold.setCurrentIndex(round % 11);
    press("画板2", {round * 9, 50});
    finishPasses();
    const PictureBytes afterTheRush = canvas("画板3").getPicture();
    press("画板2", {round * 9, 50});
    finishPasses();
    EXPECT_EQ(afterTheRush, canvas("画板3").getPicture());
    EXPECT_EQ(control("标签_制作透明图片进度").text(), "100%");
  }
}

}  // namespace
}  // namespace qirvo
