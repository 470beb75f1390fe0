#pragma once
#include <vector>

#include "picture/colour_value.h"
#include "picture/picture_bytes.h"

namespace qirvo {

// Holds one picture copied out of PictureBytes and answers single pixels. Not thread-safe:
// one reader serves one user at a time.
class PixelReader {
 public:
  PixelReader() = default;

  // True when the picture is now held. Either way the earlier picture is gone.
  bool load(const PictureBytes& picture);
  // 0 for an empty reader, a point outside the picture, or a pixel whose bytes the
  // loaded data does not hold (a header may promise more than the file carries).
  ColourValue getPixel(int x, int y) const;
  void destroy();
  bool holdsPicture() const { return held_; }

 private:
  bool held_ = false;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::uint8_t> header_;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace qirvo
