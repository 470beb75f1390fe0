#pragma once
#include <gtest/gtest.h>

#include "app/app.h"
#include "toolkit/sim/sim_platform.h"

namespace qirvo {

// The whole program on the simulated backend, started as it starts for a user.
class ScenarioTest : public ::testing::Test {
 protected:
  ScenarioTest() : app(sim, ::testing::TempDir()) { app.start(); }

  Control& control(const char* name) { return app.mainWindow().control(name); }

  SimPlatform sim{1024, 768};
  App app;
};

}  // namespace qirvo
