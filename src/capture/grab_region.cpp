#include "capture/grab_region.h"

#include <algorithm>

namespace qirvo {

Rect grabArea(int left, int top, int right, int bottom, ScreenSize screen) {
  if (right <= left || bottom <= top) return {};
  const int x0 = std::max(left, 0);
  const int y0 = std::max(top, 0);
  const int w = std::min(screen.width, right) - x0;
  const int h = std::min(screen.height, bottom) - y0;
  if (w <= 0 || h <= 0) return {};
  return {x0, y0, x0 + w, y0 + h};
}

PictureBytes pictureOf(const Raster& screen, Rect area) {
  if (area.isEmpty()) return {};
  Raster out(area.width(), area.height());
  out.blit(screen, area.left, area.top, area.width(), area.height(), 0, 0);
  return encodePicture(out);
}

}  // namespace qirvo
