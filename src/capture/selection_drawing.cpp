#include "capture/selection_drawing.h"

namespace qirvo {

void drawSelection(Canvas& overlay, int x1, int y1, int x2, int y2, ColourValue outlineColour,
                   ColourValue handleColour) {
  overlay.setBrushStyle(BrushStyle::Hollow);
  overlay.setPenColour(outlineColour);
  overlay.setBrushColour(handleColour);
  overlay.drawRectangle(x1, y1, x2, y2);

  overlay.setBrushStyle(BrushStyle::Solid);
  overlay.setPenColour(handleColour);
  // Halves are worked out in double and truncated toward zero, so an odd span drops its
  // half pixel and the middle handles of widths 10 and 11 sit at the same place.
  const double halfX = (x2 - x1) / 2.0;
  const double halfY = (y2 - y1) / 2.0;
  const int mx1 = static_cast<int>(x1 + (halfX - 2));
  const int mx2 = static_cast<int>(x1 + halfX + 2);
  const int my1 = static_cast<int>(y1 + (halfY - 2));
  const int my2 = static_cast<int>(y1 + halfY + 2);

  overlay.drawRectangle(x1 - 2, y1 - 2, x1 + 2, y1 + 2);
  overlay.drawRectangle(mx1, y1 - 2, mx2, y1 + 2);
  overlay.drawRectangle(x2 - 2, y1 - 2, x2 + 2, y1 + 2);
  overlay.drawRectangle(x1 - 2, my1, x1 + 2, my2);
  overlay.drawRectangle(x2 - 2, my1, x2 + 2, my2);
  overlay.drawRectangle(x1 - 2, y2 - 2, x1 + 2, y2 + 2);
  overlay.drawRectangle(mx1, y2 - 2, mx2, y2 + 2);
  overlay.drawRectangle(x2 - 2, y2 - 2, x2 + 2, y2 + 2);
}

void copyCleanInterior(const Canvas& clean, Canvas& overlay, SelectionRect s) {
  overlay.copyBlockFrom(clean, s.left + 1, s.top + 1, s.right - s.left - 2, s.bottom - s.top - 2,
                        s.left + 1, s.top + 1);
}

}  // namespace qirvo
