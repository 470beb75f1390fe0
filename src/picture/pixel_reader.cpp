#include "picture/pixel_reader.h"

#include <cstdint>

namespace qirvo {

bool PixelReader::load(const PictureBytes& picture) {
  destroy();
  if (picture.size() < kBmpHeaderBytes) return false;
  if (picture[0] != 0x42 || picture[1] != 0x4D) return false;
  if (static_cast<std::uint32_t>(readLe32(picture, 2)) > picture.size()) return false;
  if (readLe32(picture, 14) != 40) return false;
  const std::uint32_t offset = static_cast<std::uint32_t>(readLe32(picture, 10));
  if (offset >= picture.size()) return false;
  header_.assign(picture.begin() + 14, picture.begin() + 54);
  pixels_.assign(picture.begin() + offset, picture.end());
  if (readLe32(picture, 30) != 0) {
    destroy();
    return false;
  }
  width_ = readLe32(picture, 18);
  height_ = readLe32(picture, 22);
  held_ = true;
  return true;
}

ColourValue PixelReader::getPixel(int x, int y) const {
  if (!held_) return 0;
  if (x < 0 || y < 0 || x > std::int64_t{width_} - 1 || y > std::int64_t{height_} - 1) return 0;
  const std::int64_t stride = ((24 * std::int64_t{width_} + 31) / 32) * 4;
  const std::int64_t at = (std::int64_t{height_} - 1 - y) * stride + 3 * std::int64_t{x};
  if (at < 0 || at + 2 >= static_cast<std::int64_t>(pixels_.size())) return 0;
  return makeColour(pixels_[at + 2], pixels_[at + 1], pixels_[at]);
}

void PixelReader::destroy() {
  held_ = false;
  width_ = height_ = 0;
  header_.clear();
  pixels_.clear();
}

}  // namespace qirvo
