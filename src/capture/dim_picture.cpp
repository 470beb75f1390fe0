#include "capture/dim_picture.h"

#include <algorithm>
#include <array>

namespace qirvo {

PictureBytes dimPicture(const PictureBytes& picture) {
  PictureBytes out = picture;
  const std::int64_t w = readLe32(picture, 18);
  const std::int64_t h = readLe32(picture, 22);
  const std::int64_t imageSize = readLe32(picture, 34);
  if (w <= 0 || h <= 0) return out;
  const std::int64_t stride = imageSize / h;
  const std::int64_t size = static_cast<std::int64_t>(picture.size());

  static constexpr auto kDim = [] {
    std::array<std::uint8_t, 256> t{};
    for (int v = 0; v < 256; ++v) t[v] = static_cast<std::uint8_t>(2 * v / 3);
    return t;
  }();
  for (std::int64_t r = 0; r < h; ++r) {
    const std::int64_t start = kBmpHeaderBytes + r * stride;
    // A header that promises more than the bytes hold must not lead outside them.
    const std::int64_t end = std::min(start + 3 * w, size);
    if (start < kBmpHeaderBytes || start >= end) continue;
    const std::uint8_t* from = picture.data() + start;
    std::uint8_t* to = out.data() + start;
    for (std::int64_t i = 0, n = end - start; i < n; ++i) to[i] = kDim[from[i]];
  }
  return out;
}

}  // namespace qirvo
