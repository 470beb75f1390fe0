#include "capture/dim_picture.h"

#include <algorithm>

namespace qirvo {

PictureBytes dimPicture(const PictureBytes& picture) {
  PictureBytes out = picture;
  const std::int64_t w = readLe32(picture, 18);
  const std::int64_t h = readLe32(picture, 22);
  const std::int64_t imageSize = readLe32(picture, 34);
  if (w <= 0 || h <= 0) return out;
  const std::int64_t stride = imageSize / h;
  const std::int64_t size = static_cast<std::int64_t>(picture.size());

  // With a stride of 0 or less every row starts where the first does; dimming it once
  // gives the same bytes.
  const std::int64_t rows = stride > 0 ? h : 1;
  for (std::int64_t r = 0; r < rows; ++r) {
    const std::int64_t start = kBmpHeaderBytes + r * stride;
    // A header that promises more than the bytes hold must not lead outside them.
    if (start >= size) break;
    const std::int64_t end = std::min(start + 3 * w, size);
    const std::uint8_t* from = picture.data() + start;
    std::uint8_t* to = out.data() + start;
    for (std::int64_t i = 0, n = end - start; i < n; ++i)
      to[i] = static_cast<std::uint8_t>(from[i] * 2u / 3u);
  }
  return out;
}

}  // namespace qirvo
