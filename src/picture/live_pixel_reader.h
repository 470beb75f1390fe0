#pragma once
#include <array>
#include <cstddef>

#include "picture/colour_value.h"
#include "picture/rect.h"
#include "toolkit/canvas.h"

namespace qirvo {

// One pass's reader of a canvas. It answers what taking the canvas's picture, loading it
// into a PixelReader and reading a pixel would answer at that moment, but reads under the
// canvas's lock without making a picture, so a pass sees every change as it happens at a
// tiny fraction of the cost. Each pass makes its own; no two passes share reading state.
class LivePixelReader {
 public:
  explicit LivePixelReader(const Canvas& canvas) : canvas_(canvas) {}

  ColourValue getPixel(int x, int y) const { return canvas_.pixel(x, y); }

  // Several pixels from one moment of the canvas.
  template <std::size_t N>
  std::array<ColourValue, N> getPixels(const std::array<Point, N>& at) const {
    std::array<ColourValue, N> out{};
    canvas_.pixels(at, out);
    return out;
  }

 private:
  const Canvas& canvas_;
};

}  // namespace qirvo
