#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "app/app.h"
#include "toolkit/sim/sim_platform.h"

namespace qirvo {

// The whole program on the simulated backend, started as it starts for a user.
class ScenarioTest : public ::testing::Test {
 protected:
  ScenarioTest() : app(sim, ::testing::TempDir()) { app.start(); }
  ~ScenarioTest() override {
    if (!ownRunDirectory_.empty()) {
      std::error_code ec;
      std::filesystem::remove_all(ownRunDirectory_, ec);
    }
  }

  Control& control(const char* name) { return app.mainWindow().control(name); }
  Canvas& canvas(const char* name) { return app.mainWindow().canvas(name); }

  // Captures `region` as a user does: 截图(Ctrl+1), a drag from its top-left corner to its
  // bottom-right one, then a click and a double-click on that top-left corner.
  void captureRegion(Rect region) {
    control("按钮1").on.clicked();
    Control& overlay = app.capture().captureWindow().control("画板1");
    overlay.on.leftPress(region.left, region.top);
    overlay.on.mouseMove(region.right, region.bottom);
    overlay.on.leftRelease(region.right, region.bottom);
    overlay.on.leftPress(region.left, region.top);
    overlay.on.leftRelease(region.left, region.top);
    overlay.on.doubleClick(region.left, region.top);
    sim.processPendingEvents();
  }

  // A left press on a canvas of MainWindow at `at`, with the pointer there as the user's.
  void press(const char* canvasName, Point at) {
    Control& c = control(canvasName);
    sim.setPointerPosition(sim.toScreen(app.mainWindow(), c, at));
    c.on.leftPress(at.x, at.y);
  }

  // Chooses an item of a drop-down list as the user does: the model first, then the event.
  void choose(const char* listName, int index) {
    Control& c = control(listName);
    c.setCurrentIndex(index);
    c.on.itemChosen(index);
  }

  // Chooses a colour in 颜色选择器_背景.
  void chooseBackground(ColourValue colour) {
    Control& c = control("颜色选择器_背景");
    c.setColour(colour);
    c.on.colourChosen();
  }

  // Waits until the passes started so far have ended by themselves.
  void finishPasses() {
    waitWorker(app.state().keyingThread);
    waitWorker(app.state().despeckleThread);
  }

  // A directory of this test's own as runDirectory, removed at the end of the test.
  std::filesystem::path ownRunDirectory() {
    if (ownRunDirectory_.empty()) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      std::random_device random;
      ownRunDirectory_ = std::filesystem::path(::testing::TempDir()) /
                         (std::string("qirvo-") + info->test_suite_name() + "-" + info->name() +
                          "-" + std::to_string(random()));
      std::filesystem::create_directories(ownRunDirectory_);
      app.state().runDirectory = ownRunDirectory_;
    }
    return ownRunDirectory_;
  }

  SimPlatform sim{1024, 768};
  App app;

 private:
  std::filesystem::path ownRunDirectory_;
};

}  // namespace qirvo
