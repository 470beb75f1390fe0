#pragma once
#include <cstdint>

namespace qirvo {

// red + green * 256 + blue * 65536; the top byte is always 0.
using ColourValue = std::uint32_t;

constexpr int redOf(ColourValue v) {
  return static_cast<int>(v & 0xFFu);
}
constexpr int greenOf(ColourValue v) {
  return static_cast<int>((v >> 8) & 0xFFu);
}
constexpr int blueOf(ColourValue v) {
  return static_cast<int>((v >> 16) & 0xFFu);
}
constexpr ColourValue makeColour(int red, int green, int blue) {
  return (static_cast<ColourValue>(red) & 0xFFu) |
         ((static_cast<ColourValue>(green) & 0xFFu) << 8) |
         ((static_cast<ColourValue>(blue) & 0xFFu) << 16);
}

inline constexpr ColourValue kBlack = 0;
inline constexpr ColourValue kWhite = 0xFFFFFF;

}  // namespace qirvo
