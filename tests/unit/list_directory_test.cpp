#include "files/list_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "toolkit/sim/sim_platform.h"

namespace qirvo {
namespace {

namespace fs = std::filesystem;

// Input always waits; counts how often the listing dispatched it.
class BusyPlatform : public SimPlatform {
 public:
  bool inputPending() override { return true; }
  void processPendingEvents() override { ++dispatched; }
  int dispatched = 0;
};

class ListDirectory : public ::testing::Test {
 protected:
  ListDirectory() {
    dir = fs::path(::testing::TempDir()) / ("qirvo-list-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "sub.bmp");
    fs::create_directories(dir / "empty");
    for (const char* name : {"a.bmp", "noext", "图片.bmp"}) std::ofstream(dir / name) << "x";
  }
  ~ListDirectory() override { fs::remove_all(dir); }

  fs::path dir;
};

TEST_F(ListDirectory, SkipsDirectoriesAndDispatchesInputAfterEachEntry) {
  BusyPlatform platform;
  auto names = listDirectory(platform, dir, "*.*");
  EXPECT_EQ(platform.dispatched, 3);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.bmp", "noext", "图片.bmp"}));

  auto withPath = listDirectory(platform, dir, "*.bmp", ListedName::WithDirectory);
  std::sort(withPath.begin(), withPath.end());
  const std::string prefix = dir.string() + "/";
  EXPECT_EQ(withPath, (std::vector<std::string>{prefix + "a.bmp", prefix + "图片.bmp"}));
}

TEST_F(ListDirectory, EmptyForOnlySubDirectoriesOrNoDirectory) {
  SimPlatform platform;
  fs::create_directories(dir / "empty" / "inner");
  EXPECT_TRUE(listDirectory(platform, dir / "empty", "*.*").empty());
  EXPECT_TRUE(listDirectory(platform, dir / "missing", "*.*").empty());
}

TEST(MatchesPattern, Wildcards) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"noext", "*.*", true},    {"a.bmp", "*.bmp", true},   {"abmp", "*.bmp", false},
      {"图.bmp", "?.bmp", true}, {"ab.bmp", "?.bmp", false}, {"a.b.bmp", "a*b*.bmp", true},
      {"A.BMP", "*.bmp", false}, {"x", "*", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(matchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}

}  // namespace
}  // namespace qirvo
