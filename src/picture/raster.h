#pragma once
#include <cstdint>
#include <vector>

#include "picture/colour_value.h"
#include "picture/rect.h"

namespace qirvo {

// A plain in-memory image. Pixels are stored as 0xFFRRGGBB words, the native layout of
// X11 32-bit images, Qt's RGB32 and the B, G, R byte order of BMP rows, so grabbing,
// showing and encoding need no per-pixel shuffling; at() and set() speak ColourValue.
class Raster {
 public:
  static constexpr std::uint32_t kOpaque = 0xFF000000u;

  Raster() = default;
  Raster(int width, int height, ColourValue fill = kBlack);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  static constexpr std::uint32_t toWord(ColourValue c) {
    return kOpaque | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
  }
  static constexpr ColourValue fromWord(std::uint32_t w) {
    return ((w >> 16) & 0xFFu) | (w & 0xFF00u) | ((w & 0xFFu) << 16);
  }

  ColourValue at(int x, int y) const {
    return fromWord(pixels_[static_cast<std::size_t>(y) * width_ + x]);
  }
  void set(int x, int y, ColourValue c) {
    pixels_[static_cast<std::size_t>(y) * width_ + x] = toWord(c);
  }
  // 0 outside the raster.
  ColourValue atOrBlack(int x, int y) const { return contains(x, y) ? at(x, y) : kBlack; }

  void fill(ColourValue c);
  void fillRect(Rect r, ColourValue c);  // clipped
  // Copies src's block (sx, sy, w, h) to (dx, dy), clipped against both rasters.
  void blit(const Raster& src, int sx, int sy, int w, int h, int dx, int dy);
  // Repeats src from the top-left corner over the rectangle r of this raster.
  void tile(const Raster& src, Rect r);

  // Rows of 0xFFRRGGBB words, top line first, no padding.
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
