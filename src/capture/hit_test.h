#pragma once
#include "capture/selection_types.h"

namespace qirvo {

// Where (x, y) lies against the selection. Edges and corners are six-pixel bands that
// include the edge coordinate, so the right and bottom bands reach one pixel beyond the
// drawn outline. Where bands overlap on a narrow selection, left wins over right and top
// over bottom.
HitRegion hitRegionAt(SelectionRect s, int x, int y);

}  // namespace qirvo
