#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "picture/raster.h"

namespace qirvo {

// A complete BMP file held in memory; empty means no picture. Every producer writes the
// uncompressed 24-bit bottom-up form with a 40-byte header and the pixels at offset 54.
using PictureBytes = std::vector<std::uint8_t>;

inline constexpr int kBmpHeaderBytes = 54;

// Bytes of one stored row: 3 per pixel rounded up to a multiple of 4.
constexpr int bmpStride(int width) {
  return ((24 * width + 31) / 32) * 4;
}

std::int32_t readLe32(const PictureBytes& b, std::size_t offset);
std::uint16_t readLe16(const PictureBytes& b, std::size_t offset);
void writeLe32(PictureBytes& b, std::size_t offset, std::uint32_t v);

// An empty raster gives the empty PictureBytes.
PictureBytes encodePicture(const Raster& image);

// Reads a 24-bit uncompressed picture (bottom-up or top-down) for display. Pixels the data
// does not reach read as black. Anything else gives nothing.
std::optional<Raster> decodePicture(const PictureBytes& bytes);

}  // namespace qirvo
