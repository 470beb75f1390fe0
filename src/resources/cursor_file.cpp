#include "resources/cursor_file.h"

namespace qirvo {

namespace {

std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::size_t rowBytes(std::size_t width, std::size_t bits) {
  return (width * bits + 31) / 32 * 4;
}

}  // namespace

std::optional<CursorImage> decodeCursorFile(const std::vector<std::uint8_t>& bytes) {
  const std::size_t size = bytes.size();
  if (size < 6 + 16 || le16(bytes, 0) != 0 || le16(bytes, 2) != 2 || le16(bytes, 4) < 1)
    return std::nullopt;
  const std::size_t offset = le32(bytes, 18);
  if (offset > size || size - offset < 40 || le32(bytes, offset) != 40) return std::nullopt;

  const auto width = static_cast<std::int32_t>(le32(bytes, offset + 4));
  const auto doubledHeight = static_cast<std::int32_t>(le32(bytes, offset + 8));
  const std::uint32_t bits = le16(bytes, offset + 14);
  const std::uint32_t compression = le32(bytes, offset + 16);
  // Cursors are at most 256 pixels a side; the height field covers colours and mask.
  if (width <= 0 || width > 256 || doubledHeight <= 0 || doubledHeight > 512 ||
      doubledHeight % 2 != 0 || compression != 0)
    return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
  const std::size_t w = static_cast<std::size_t>(width);
  const std::size_t h = static_cast<std::size_t>(doubledHeight / 2);

  std::size_t paletteEntries = 0;
  if (bits <= 8) {
    const std::uint32_t used = le32(bytes, offset + 32);
    paletteEntries = used != 0 && used < (1u << bits) ? used : (std::size_t{1} << bits);
  }
  const std::size_t palette = offset + 40;
  const std::size_t colours = palette + 4 * paletteEntries;
  const std::size_t colourStride = rowBytes(w, bits);
  const std::size_t mask = colours + colourStride * h;
  const std::size_t maskStride = rowBytes(w, 1);
  if (mask > size || size - mask < maskStride * h) return std::nullopt;

  CursorImage out;
  out.width = width;
  out.height = static_cast<int>(h);
  out.hotX = static_cast<int>(le16(bytes, 10));
  out.hotY = static_cast<int>(le16(bytes, 12));
  out.argb.assign(w * h, 0);
  for (std::size_t y = 0; y < h; ++y) {
    const std::size_t stored = h - 1 - y;  // bottom-up
    const std::size_t row = colours + stored * colourStride;
    const std::size_t maskRow = mask + stored * maskStride;
    for (std::size_t x = 0; x < w; ++x) {
      const bool clear = (bytes[maskRow + x / 8] >> (7 - x % 8)) & 1u;
      std::uint32_t rgb = 0;  // 0x00RRGGBB: the file stores blue first
      std::uint32_t alpha = clear ? 0 : 0xFF;
      if (bits <= 8) {
        const std::size_t bit = x * bits;
        const std::uint32_t index =
            (bytes[row + bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index < paletteEntries) rgb = le32(bytes, palette + 4 * index) & 0xFFFFFFu;
      } else {
        const std::size_t at = row + x * (bits / 8);
        rgb = bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16);
        if (bits == 32) alpha = bytes[at + 3];
      }
      if (alpha == 0) continue;
      out.argb[y * w + x] = (alpha << 24) | rgb;
    }
  }
  return out;
}

}  // namespace qirvo
