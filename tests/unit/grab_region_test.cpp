#include "capture/grab_region.h"

#include <gtest/gtest.h>

#include "../rect_printer.h"
#include "picture/pixel_reader.h"

namespace qirvo {
namespace {

TEST(GrabArea, CutsAtTheScreenEdges) {
  constexpr ScreenSize screen{1024, 768};
  struct Case {
    int left, top, right, bottom;
    Rect expected;
  };
  const Case cases[] = {
      // A selection (100, 100, 300, 200) grabbed with its 100-pixel strip.
      {100, 100, 400, 300, {100, 100, 400, 300}},
      // (900, 700, 1000, 760): 124 x 68.
      {900, 700, 1100, 860, {900, 700, 1024, 768}},
      {-3, -2, 50, 40, {0, 0, 50, 40}},
      {0, 0, 100, 100, {0, 0, 100, 100}},
      {0, 0, 1124, 868, {0, 0, 1024, 768}},
      {10, 10, 10, 50, {}},
      {10, 50, 20, 10, {}},
      {1024, 0, 1124, 100, {}},  // nothing of it on the screen
      {0, 768, 100, 868, {}},
      {-200, -200, -100, -100, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(grabArea(c.left, c.top, c.right, c.bottom, screen), c.expected)
        << c.left << "," << c.top << "," << c.right << "," << c.bottom;
}

TEST(PictureOf, CopiesTheAreaPixelForPixel) {
  Raster screen(50, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 50; ++x) screen.set(x, y, makeColour(x, y, x + y));
  const PictureBytes p = pictureOf(screen, {7, 5, 20, 12});
  PixelReader r;
  ASSERT_TRUE(r.load(p));
  EXPECT_EQ(readLe32(p, 18), 13);
  EXPECT_EQ(readLe32(p, 22), 7);
  EXPECT_EQ(r.getPixel(0, 0), makeColour(7, 5, 12));
  EXPECT_EQ(r.getPixel(12, 6), makeColour(19, 11, 30));
  EXPECT_TRUE(pictureOf(screen, {}).empty());
}

}  // namespace
}  // namespace qirvo
