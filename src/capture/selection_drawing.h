#pragma once
#include "capture/selection_types.h"
#include "toolkit/canvas.h"

namespace qirvo {

// The outline of the rectangle with corners (x1, y1) and (x2, y2), in any order, and eight
// 4 x 4 handles at its corners and edge middles. Leaves the overlay's brush solid and its
// pen in the handle colour. Draws over what is there; callers clear first.
void drawSelection(Canvas& overlay, int x1, int y1, int x2, int y2, ColourValue outlineColour,
                   ColourValue handleColour);

// Shows the clean snapshot inside the outline: the block from (L + 1, T + 1) to
// (R - 2, B - 2) of `clean` replaces the same block of `overlay`.
void copyCleanInterior(const Canvas& clean, Canvas& overlay, SelectionRect selection);

}  // namespace qirvo
