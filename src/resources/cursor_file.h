#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace qirvo {

// A cursor image ready for a backend: top-down rows of 0xAARRGGBB words, alpha 0 where
// the cursor is transparent.
struct CursorImage {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  std::vector<std::uint32_t> argb;
};

// Reads the first image of a .cur file with a 40-byte bitmap header and 1, 4, 8, 24 or 32
// bits per pixel. Pixels under a set mask bit become transparent (screen-inverting pixels
// cannot be shown that way and are dropped too). Anything else, or truncated data, gives
// nothing.
std::optional<CursorImage> decodeCursorFile(const std::vector<std::uint8_t>& bytes);

}  // namespace qirvo
