#include "capture/capture_pointers.h"

#include "resources/built_in_cursor.h"

namespace qirvo {

void fillPointerTable(PointerTable& table) {
  table[0] = PointerShape::fromCursorFile(builtInCursorFile());
  table[1] = PointerShape::fromStandard(StandardPointer::SizeWE);
  table[2] = PointerShape::fromStandard(StandardPointer::SizeNS);
  table[3] = PointerShape::fromStandard(StandardPointer::SizeNWSE);
  table[4] = PointerShape::fromStandard(StandardPointer::SizeNESW);
  table[5] = PointerShape::fromStandard(StandardPointer::SizeAll);
}

int pointerSlotOf(HitRegion region) {
  switch (region) {
    case HitRegion::Left:
    case HitRegion::Right:
      return 1;
    case HitRegion::Top:
    case HitRegion::Bottom:
      return 2;
    case HitRegion::TopLeft:
    case HitRegion::BottomRight:
      return 3;
    case HitRegion::BottomLeft:
    case HitRegion::TopRight:
      return 4;
    case HitRegion::Inside:
      return 5;
    case HitRegion::None:
    case HitRegion::Outside:
      return 0;
  }
  return 0;
}

}  // namespace qirvo
