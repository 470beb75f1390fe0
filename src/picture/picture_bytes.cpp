#include "picture/picture_bytes.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace qirvo {

std::int32_t readLe32(const PictureBytes& b, std::size_t offset) {
  if (offset + 4 > b.size()) return 0;
  const std::uint32_t v = b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) |
                          (static_cast<std::uint32_t>(b[offset + 3]) << 24);
  return static_cast<std::int32_t>(v);
}

std::uint16_t readLe16(const PictureBytes& b, std::size_t offset) {
  if (offset + 2 > b.size()) return 0;
  return static_cast<std::uint16_t>(b[offset] | (b[offset + 1] << 8));
}

void writeLe32(PictureBytes& b, std::size_t offset, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

PictureBytes encodePicture(const Raster& image) {
  if (image.empty()) return {};
  const int w = image.width();
  const int h = image.height();
  const std::size_t stride = bmpStride(w);
  const std::size_t imageSize = stride * h;
  PictureBytes out(kBmpHeaderBytes + imageSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  writeLe32(out, 2, static_cast<std::uint32_t>(out.size()));
  writeLe32(out, 10, kBmpHeaderBytes);
  writeLe32(out, 14, 40);
  writeLe32(out, 18, static_cast<std::uint32_t>(w));
  writeLe32(out, 22, static_cast<std::uint32_t>(h));
  out[26] = 1;
  out[28] = 24;
  writeLe32(out, 34, static_cast<std::uint32_t>(imageSize));
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = out.data() + kBmpHeaderBytes + (h - 1 - y) * stride;
    const std::uint32_t* src = image.data() + static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = src[x];                       // 0xFFRRGGBB
      row[3 * x] = static_cast<std::uint8_t>(p);            // blue
      row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);   // green
      row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);  // red
    }
  }
  return out;
}

std::optional<Raster> decodePicture(const PictureBytes& bytes) {
  if (bytes.size() < kBmpHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  if (readLe32(bytes, 14) != 40 || readLe16(bytes, 28) != 24 || readLe32(bytes, 30) != 0)
    return std::nullopt;
  const std::int64_t w = readLe32(bytes, 18);
  const std::int64_t rawH = readLe32(bytes, 22);
  const std::int64_t h = std::llabs(rawH);
  const std::int64_t offset = static_cast<std::uint32_t>(readLe32(bytes, 10));
  // Refuse absurd sizes instead of allocating gigabytes for a corrupt header.
  if (w <= 0 || h <= 0 || w * h > (std::int64_t{1} << 28)) return std::nullopt;
  Raster image(static_cast<int>(w), static_cast<int>(h));
  const std::int64_t stride = bmpStride(static_cast<int>(w));
  const std::int64_t size = static_cast<std::int64_t>(bytes.size());
  for (std::int64_t y = 0; y < h; ++y) {
    const std::int64_t stored = rawH > 0 ? h - 1 - y : y;
    const std::int64_t rowStart = offset + stored * stride;
    // Pixels the data does not reach stay black.
    const std::int64_t available = rowStart >= size ? 0 : std::min(w, (size - rowStart) / 3);
    const std::uint8_t* from = bytes.data() + rowStart;
    std::uint32_t* to = image.data() + y * w;
    for (std::int64_t x = 0; x < available; ++x)
      to[x] = Raster::kOpaque | (std::uint32_t{from[3 * x + 2]} << 16) |
              (std::uint32_t{from[3 * x + 1]} << 8) | from[3 * x];
  }
  return image;
}

}  // namespace qirvo
