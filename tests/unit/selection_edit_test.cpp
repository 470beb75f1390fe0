#include "capture/selection_edit.h"

#include <gtest/gtest.h>

#include "../rect_printer.h"
#include "toolkit/keys.h"

namespace qirvo {
namespace {

constexpr ScreenSize kScreen{1024, 768};

TEST(NormaliseSelection, OrdersCornersAndIgnoresDegenerateOnes) {
  const SelectionRect before{1, 2, 3, 4};
  struct Case {
    int x1, y1, x2, y2;
    SelectionRect expected;
  };
  const Case cases[] = {
      {10, 20, 30, 40, {10, 20, 30, 40}},
      {10, 40, 30, 20, {10, 20, 30, 40}},
      {30, 20, 10, 40, {10, 20, 30, 40}},
      {300, 200, 100, 50, {100, 50, 300, 200}},
      {-5, -6, 7, 8, {-5, -6, 7, 8}},
      {10, 20, 10, 40, before},  // same column
      {10, 20, 30, 20, before},  // same row
      {0, 0, 0, 0, before},
  };
  for (const Case& c : cases) {
    SelectionRect s = before;
    normaliseSelection(s, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(s, c.expected) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
}

TEST(DragRect, EachRegionMovesItsEdges) {
  const SelectionRect p{100, 100, 300, 200};
  const SelectionRect previous{1, 2, 3, 4};
  struct Case {
    HitRegion region;
    SelectionRect expected;
  };
  const int dx = 7;
  const int dy = -3;
  const Case cases[] = {
      {HitRegion::Inside, {107, 97, 307, 197}},
      {HitRegion::Left, {107, 100, 300, 200}},
      {HitRegion::Right, {100, 100, 307, 200}},
      {HitRegion::Top, {100, 97, 300, 200}},
      {HitRegion::Bottom, {100, 100, 300, 197}},
      {HitRegion::TopLeft, {107, 97, 300, 200}},
      {HitRegion::BottomLeft, {107, 100, 300, 197}},
      {HitRegion::TopRight, {100, 97, 307, 200}},
      {HitRegion::BottomRight, {100, 100, 307, 197}},
      {HitRegion::Outside, previous},
      {HitRegion::None, previous},
  };
  for (const Case& c : cases)
    EXPECT_EQ(dragRect(c.region, p, dx, dy, previous, kScreen), c.expected)
        << hitRegionText(c.region);
}

TEST(DragRect, AMoveStaysOnTheScreenAndEdgesDoNot) {
  const SelectionRect p{100, 100, 300, 200};
  struct Case {
    HitRegion region;
    int dx, dy;
    SelectionRect expected;
  };
  const Case cases[] = {
      // Pressed at (150, 150), dragged to (0, 150) and to (1000, 150).
      {HitRegion::Inside, -150, 0, {0, 100, 200, 200}},
      {HitRegion::Inside, 850, 0, {824, 100, 1024, 200}},
      {HitRegion::Inside, 0, -500, {100, 0, 300, 100}},
      {HitRegion::Inside, 0, 700, {100, 668, 300, 768}},
      {HitRegion::Inside, -900, 900, {0, 668, 200, 768}},
      // Grabbing the left edge at (100, 150) and dragging to (400, 150): the edge passes
      // the right one and the rectangle is left turned over for normalising.
      {HitRegion::Left, 300, 0, {400, 100, 300, 200}},
      {HitRegion::TopLeft, -200, -300, {-100, -200, 300, 200}},
      {HitRegion::BottomRight, 2000, 2000, {100, 100, 2300, 2200}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(dragRect(c.region, p, c.dx, c.dy, {}, kScreen), c.expected)
        << hitRegionText(c.region) << " " << c.dx << "," << c.dy;
}

TEST(ArrowKeyEdit, MovesOrResizesWithinTheScreen) {
  struct Case {
    SelectionRect s;
    int key;
    int modifiers;
    SelectionRect expected;
  };
  const Case cases[] = {
      {{10, 10, 11, 20}, kKeyLeft, kModShift, {10, 10, 10, 20}},
      {{10, 10, 10, 20}, kKeyLeft, kModShift, {10, 10, 10, 20}},  // never turns over
      {{10, 10, 20, 20}, kKeyRight, kModShift, {10, 10, 21, 20}},
      {{10, 10, 1024, 20}, kKeyRight, kModShift, {10, 10, 1024, 20}},
      {{10, 10, 20, 11}, kKeyUp, kModShift, {10, 10, 20, 10}},
      {{10, 10, 20, 10}, kKeyUp, kModShift, {10, 10, 20, 10}},
      {{10, 10, 20, 20}, kKeyDown, kModShift, {10, 10, 20, 21}},
      {{10, 10, 20, 768}, kKeyDown, kModShift, {10, 10, 20, 768}},
      {{10, 10, 20, 20}, kKeyLeft, kModNone, {9, 10, 19, 20}},
      {{0, 10, 20, 20}, kKeyLeft, kModNone, {0, 10, 20, 20}},
      {{10, 10, 20, 20}, kKeyLeft, kModCtrl, {9, 10, 19, 20}},
      {{10, 10, 20, 20}, kKeyLeft, kModAlt, {9, 10, 19, 20}},
      {{10, 10, 20, 20}, kKeyLeft, kModShift | kModCtrl, {9, 10, 19, 20}},
      {{10, 10, 20, 20}, kKeyUp, kModNone, {10, 9, 20, 19}},
      {{10, 0, 20, 20}, kKeyUp, kModNone, {10, 0, 20, 20}},
      {{0, 0, 0, 0}, kKeyRight, kModNone, {1, 0, 1, 0}},
      {{10, 10, 1024, 20}, kKeyRight, kModNone, {10, 10, 1024, 20}},
      {{10, 10, 20, 20}, kKeyDown, kModNone, {10, 11, 20, 21}},
      {{10, 10, 20, 768}, kKeyDown, kModNone, {10, 10, 20, 768}},
      {{10, 10, 20, 20}, kKeyDigit1, kModNone, {10, 10, 20, 20}},
      {{10, 10, 20, 20}, kKeyDigit1, kModShift, {10, 10, 20, 20}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(arrowKeyEdit(c.s, c.key, c.modifiers, kScreen), c.expected)
        << ::testing::PrintToString(c.s) << " key " << c.key << " mods " << c.modifiers;
}

TEST(WheelEdit, GrowsWithinTheScreenShrinksWithoutLimitIgnoresOtherDistances) {
  EXPECT_EQ(wheelEdit({10, 10, 20, 20}, 1, kScreen), (SelectionRect{9, 9, 21, 21}));
  EXPECT_EQ(wheelEdit({0, 0, 1024, 768}, 1, kScreen), (SelectionRect{0, 0, 1024, 768}));
  EXPECT_EQ(wheelEdit({0, 5, 1024, 700}, 1, kScreen), (SelectionRect{0, 4, 1024, 701}));
  EXPECT_EQ(wheelEdit({10, 10, 12, 12}, -1, kScreen), (SelectionRect{11, 11, 11, 11}));
  EXPECT_EQ(wheelEdit({11, 11, 11, 11}, -1, kScreen), (SelectionRect{12, 12, 10, 10}));
  EXPECT_EQ(wheelEdit({10, 10, 20, 20}, 2, kScreen), std::nullopt);
  EXPECT_EQ(wheelEdit({10, 10, 20, 20}, 0, kScreen), std::nullopt);
  EXPECT_EQ(wheelEdit({10, 10, 20, 20}, -2, kScreen), std::nullopt);
}

}  // namespace
}  // namespace qirvo
