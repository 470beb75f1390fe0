#include "capture/hit_test.h"

#include <gtest/gtest.h>

#include "../rect_printer.h"

namespace qirvo {
namespace {

struct HitCase {
  SelectionRect selection;
  int x;
  int y;
  HitRegion expected;
};

void expectRegions(std::initializer_list<HitCase> cases) {
  for (const HitCase& c : cases) {
    const HitRegion got = hitRegionAt(c.selection, c.x, c.y);
    EXPECT_EQ(got, c.expected) << ::testing::PrintToString(c.selection) << " at (" << c.x << ", "
                               << c.y << ") gave \"" << hitRegionText(got) << "\"";
  }
}

constexpr SelectionRect kSel{100, 100, 200, 150};

TEST(HitRegionAt, SixPixelBandsIncludeTheEdge) {
  expectRegions(
      {HitCase{kSel, 100, 100, HitRegion::TopLeft}, HitCase{kSel, 105, 105, HitRegion::TopLeft},
       HitCase{kSel, 106, 105, HitRegion::Top}, HitCase{kSel, 105, 106, HitRegion::Left},
       HitCase{kSel, 150, 125, HitRegion::Inside}, HitCase{kSel, 150, 144, HitRegion::Inside},
       HitCase{kSel, 150, 145, HitRegion::Bottom}, HitCase{kSel, 200, 150, HitRegion::BottomRight},
       HitCase{kSel, 195, 100, HitRegion::TopRight},
       HitCase{kSel, 195, 150, HitRegion::BottomRight},
       HitCase{kSel, 100, 150, HitRegion::BottomLeft}, HitCase{kSel, 200, 125, HitRegion::Right},
       HitCase{kSel, 201, 150, HitRegion::Outside}, HitCase{kSel, 99, 120, HitRegion::Outside},
       HitCase{kSel, 100, 99, HitRegion::Outside},     // left band, above the top
       HitCase{kSel, 150, 151, HitRegion::Outside}});  // below the bottom band
}

// Narrow selections: the bands overlap, left beats right and top beats bottom, and the
// left band may reach past the right edge.
TEST(HitRegionAt, NarrowSelectionsFavourLeftAndTop) {
  expectRegions({HitCase{{10, 10, 14, 14}, 15, 15, HitRegion::TopLeft},
                 HitCase{{10, 10, 14, 14}, 12, 16, HitRegion::Outside},
                 HitCase{{10, 10, 14, 14}, 16, 12, HitRegion::Outside},
                 HitCase{{10, 10, 20, 20}, 15, 15, HitRegion::TopLeft},
                 HitCase{{10, 10, 20, 20}, 16, 12, HitRegion::TopRight},
                 HitCase{{10, 10, 20, 20}, 16, 16, HitRegion::BottomRight},
                 HitCase{{10, 10, 20, 20}, 12, 16, HitRegion::BottomLeft},
                 // 11 wide: no middle column at all (L + 5 < x < R - 5 is empty).
                 HitCase{{10, 10, 21, 40}, 15, 25, HitRegion::Left},
                 HitCase{{10, 10, 21, 40}, 16, 25, HitRegion::Right},
                 // 12 wide: one middle column.
                 HitCase{{10, 10, 22, 40}, 16, 25, HitRegion::Inside},
                 HitCase{{0, 0, 0, 0}, 0, 0, HitRegion::TopLeft},
                 HitCase{{0, 0, 0, 0}, 5, 5, HitRegion::TopLeft},
                 HitCase{{0, 0, 0, 0}, 6, 0, HitRegion::Outside}});
}

}  // namespace
}  // namespace qirvo
