#pragma once
#include <string_view>

#include "picture/rect.h"

namespace qirvo {

// Left, top, right, bottom in screen pixels; right and bottom exclusive when drawn.
using SelectionRect = Rect;

// Where the pointer lies against the selection.
enum class HitRegion {
  None,
  Outside,
  Inside,
  Left,
  Right,
  Top,
  Bottom,
  TopLeft,
  BottomLeft,
  TopRight,
  BottomRight,
};

std::string_view hitRegionText(HitRegion r);

// Whether a held press edits the existing selection or draws a new one.
enum class DragMode { New, Drag };

std::string_view dragModeText(DragMode m);

}  // namespace qirvo
