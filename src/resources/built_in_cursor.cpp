#include "resources/built_in_cursor.h"

#include <array>
#include <string_view>

namespace qirvo {

namespace {

constexpr int kSide = 32;
constexpr int kArrowHeight = 22;

// Index 0 is the outline and, under a set mask bit, "leave the screen as it is".
constexpr std::uint8_t kOutline = 0;
constexpr std::array<std::array<std::uint8_t, 3>, 7> kRainbow{{
    {255, 0, 0},    // red
    {255, 140, 0},  // orange
    {255, 230, 0},  // yellow
    {0, 200, 0},    // green
    {0, 200, 230},  // cyan
    {30, 60, 255},  // blue
    {160, 0, 230},  // violet
}};

// The arrow, tip at (0, 0): 'X' outline, '.' rainbow fill, anything else transparent.
constexpr std::array<const char*, kArrowHeight> kArrow{
    "X",           "XX",           "X.X",           "X..X",           "X...X",
    "X....X",      "X.....X",      "X......X",      "X.......X",      "X........X",
    "X.........X", "X..........X", "X...........X", "X......XXXXXXX", "X..X..X",
    "X.X X..X",    "XX  X..X",     "X    X..X",     "     X..X",      "      X..X",
    "      X..X",  "       XX",
};

char arrowCell(int x, int y) {
  if (y >= kArrowHeight) return ' ';
  const std::string_view row = kArrow[static_cast<std::size_t>(y)];
  return x < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(x)] : ' ';
}

void put16(std::vector<std::uint8_t>& b, std::size_t at, unsigned v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::vector<std::uint8_t> makeCursorFile() {
  constexpr std::size_t kImageOffset = 6 + 16;
  constexpr std::size_t kInfoBytes = 40;
  constexpr std::size_t kPaletteBytes = 256 * 4;
  constexpr std::size_t kColourBytes = kSide * kSide;
  constexpr std::size_t kMaskBytes = kSide * kSide / 8;
  constexpr std::size_t kImageBytes = kInfoBytes + kPaletteBytes + kColourBytes + kMaskBytes;

  std::vector<std::uint8_t> b(kImageOffset + kImageBytes, 0);
  // File header: reserved, type 2 (cursor), one image.
  put16(b, 2, 2);
  put16(b, 4, 1);
  // Directory entry: 32 x 32, no colour count, hot spot (0, 0), size and place of the image.
  b[6] = kSide;
  b[7] = kSide;
  put32(b, 14, kImageBytes);
  put32(b, 18, kImageOffset);
  // Bitmap information header; the height counts the colour and the mask halves.
  const std::size_t info = kImageOffset;
  put32(b, info, kInfoBytes);
  put32(b, info + 4, kSide);
  put32(b, info + 8, 2 * kSide);
  put16(b, info + 12, 1);
  put16(b, info + 14, 8);
  put32(b, info + 20, kColourBytes + kMaskBytes);
  // Colour table, blue-green-red-0; entry 0 stays black.
  const std::size_t palette = info + kInfoBytes;
  for (std::size_t i = 0; i < kRainbow.size(); ++i) {
    b[palette + 4 * (i + 1)] = kRainbow[i][2];
    b[palette + 4 * (i + 1) + 1] = kRainbow[i][1];
    b[palette + 4 * (i + 1) + 2] = kRainbow[i][0];
  }
  // Rows are stored bottom-up in both halves; a set mask bit is transparent.
  const std::size_t colours = palette + kPaletteBytes;
  const std::size_t mask = colours + kColourBytes;
  for (int y = 0; y < kSide; ++y) {
    const std::size_t stored = static_cast<std::size_t>(kSide - 1 - y);
    for (int x = 0; x < kSide; ++x) {
      const char cell = arrowCell(x, y);
      if (cell != 'X' && cell != '.') {
        b[mask + stored * (kSide / 8) + x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        continue;
      }
      // The fill runs through the rainbow from the tip down to the tail.
      const std::uint8_t index =
          cell == 'X'
              ? kOutline
              : static_cast<std::uint8_t>(1 + y * static_cast<int>(kRainbow.size()) / kArrowHeight);
      b[colours + stored * kSide + x] = index;
    }
  }
  return b;
}

}  // namespace

const std::vector<std::uint8_t>& builtInCursorFile() {
  static const std::vector<std::uint8_t> bytes = makeCursorFile();
  return bytes;
}

}  // namespace qirvo
