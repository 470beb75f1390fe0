#include "capture/hit_test.h"

namespace qirvo {

namespace {

enum class Band { Low, High, Middle, Off };

constexpr int kBand = 5;

Band bandOf(int v, int low, int high) {
  if (low <= v && v <= low + kBand) return Band::Low;
  if (high - kBand <= v && v <= high) return Band::High;
  if (low + kBand < v && v < high - kBand) return Band::Middle;
  return Band::Off;
}

}  // namespace

HitRegion hitRegionAt(SelectionRect s, int x, int y) {
  const Band column = bandOf(x, s.left, s.right);
  if (column == Band::Off) return HitRegion::Outside;
  const Band row = bandOf(y, s.top, s.bottom);
  if (row == Band::Off) return HitRegion::Outside;
  static constexpr HitRegion regions[3][3] = {
      // row: top, bottom, middle
      {HitRegion::TopLeft, HitRegion::BottomLeft, HitRegion::Left},     // left band
      {HitRegion::TopRight, HitRegion::BottomRight, HitRegion::Right},  // right band
      {HitRegion::Top, HitRegion::Bottom, HitRegion::Inside},           // middle
  };
  return regions[static_cast<int>(column)][static_cast<int>(row)];
}

}  // namespace qirvo
