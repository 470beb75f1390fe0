#include "picture/raster.h"

#include <algorithm>
#include <cstring>

namespace qirvo {

Raster::Raster(int width, int height, ColourValue fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, toWord(fill)) {}

void Raster::fill(ColourValue c) {
  std::fill(pixels_.begin(), pixels_.end(), toWord(c));
}

void Raster::fillRect(Rect r, ColourValue c) {
  r = r.intersected(bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    auto* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
    std::fill(row + r.left, row + r.right, toWord(c));
  }
}

void Raster::blit(const Raster& src, int sx, int sy, int w, int h, int dx, int dy) {
  if (w <= 0 || h <= 0) return;
  // Clip the source block, shifting the destination with it, then clip the destination.
  Rect s = Rect{sx, sy, sx + w, sy + h}.intersected(src.bounds());
  if (s.isEmpty()) return;
  dx += s.left - sx;
  dy += s.top - sy;
  Rect d = Rect{dx, dy, dx + s.width(), dy + s.height()}.intersected(bounds());
  if (d.isEmpty()) return;
  const int srcLeft = s.left + (d.left - dx);
  const int srcTop = s.top + (d.top - dy);
  for (int row = 0; row < d.height(); ++row) {
    const auto* from =
        src.pixels_.data() + static_cast<std::size_t>(srcTop + row) * src.width_ + srcLeft;
    auto* to = pixels_.data() + static_cast<std::size_t>(d.top + row) * width_ + d.left;
    std::memmove(to, from, static_cast<std::size_t>(d.width()) * sizeof(std::uint32_t));
  }
}

void Raster::tile(const Raster& src, Rect r) {
  r = r.intersected(bounds());
  if (src.empty() || r.isEmpty()) return;
  const int firstTileX = (r.left / src.width_) * src.width_;
  const int firstTileY = (r.top / src.height_) * src.height_;
  for (int ty = firstTileY; ty < r.bottom; ty += src.height_) {
    for (int tx = firstTileX; tx < r.right; tx += src.width_) {
      Rect cell = Rect{tx, ty, tx + src.width_, ty + src.height_}.intersected(r);
      if (!cell.isEmpty())
        blit(src, cell.left - tx, cell.top - ty, cell.width(), cell.height(), cell.left, cell.top);
    }
  }
}

}  // namespace qirvo
