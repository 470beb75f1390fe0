#pragma once
#include <cstdint>
#include <vector>

#include "picture/colour_value.h"
#include "picture/rect.h"

namespace qirvo {

// A plain in-memory image. Pixels are stored as 0xFFBBGGRR words so a backend can hand
// the buffer to its painter as opaque RGBX bytes without converting; at() and set()
// speak ColourValue.
class Raster {
 public:
  static constexpr std::uint32_t kOpaque = 0xFF000000u;

  Raster() = default;
  Raster(int width, int height, ColourValue fill = kBlack);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  ColourValue at(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFFu;
  }
  void set(int x, int y, ColourValue c) {
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c | kOpaque;
  }
  // 0 outside the raster.
  ColourValue atOrBlack(int x, int y) const { return contains(x, y) ? at(x, y) : kBlack; }

  void fill(ColourValue c);
  void fillRect(Rect r, ColourValue c);  // clipped
  // Copies src's block (sx, sy, w, h) to (dx, dy), clipped against both rasters.
  void blit(const Raster& src, int sx, int sy, int w, int h, int dx, int dy);
  // Repeats src from the top-left corner over the rectangle r of this raster.
  void tile(const Raster& src, Rect r);

  const std::uint32_t* data() const { return pixels_.data(); }
  std::uint32_t* data() { return pixels_.data(); }
  Rect bounds() const { return {0, 0, width_, height_}; }

  friend bool operator==(const Raster&, const Raster&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace qirvo
