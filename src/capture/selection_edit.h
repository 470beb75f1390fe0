#pragma once
#include <optional>

#include "capture/selection_types.h"
#include "toolkit/platform.h"

namespace qirvo {

// Sets `selection` from two opposite corners in any order. Corners that share a column or
// a row make no rectangle and leave it as it was.
void normaliseSelection(SelectionRect& selection, int x1, int y1, int x2, int y2);

// The rectangle of an edit drag whose press grabbed `region` of `atPress`, after the
// pointer moved (dx, dy) from the press. Edges are not limited and may pass the opposite
// one; a whole-rectangle move is kept on the screen. A region that grabs nothing leaves
// `previous`.
SelectionRect dragRect(HitRegion region, SelectionRect atPress, int dx, int dy,
                       SelectionRect previous, ScreenSize screen);

// An arrow key moves the selection by one pixel; with Shift alone it moves the right or
// bottom edge instead. Other keys, and moves that would leave the screen or turn the
// selection over, change nothing.
SelectionRect arrowKeyEdit(SelectionRect s, int key, int modifiers, ScreenSize screen);

// One notch away grows the selection by a pixel on every side (kept on the screen); one
// notch towards shrinks it, without limits. Anything else is ignored: no value.
std::optional<SelectionRect> wheelEdit(SelectionRect s, int notches, ScreenSize screen);

}  // namespace qirvo
