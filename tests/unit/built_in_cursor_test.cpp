#include "resources/built_in_cursor.h"

#include <gtest/gtest.h>

#include <set>

#include "picture/picture_bytes.h"
#include "resources/cursor_file.h"

namespace qirvo {
namespace {

TEST(BuiltInCursor, FileLayout) {
  const PictureBytes& b = builtInCursorFile();
  ASSERT_EQ(b.size(), 2238u);
  // Header: reserved, type 2, one image.
  EXPECT_EQ(readLe16(b, 0), 0);
  EXPECT_EQ(readLe16(b, 2), 2);
  EXPECT_EQ(readLe16(b, 4), 1);
  // Directory entry.
  EXPECT_EQ(b[6], 32);
  EXPECT_EQ(b[7], 32);
  EXPECT_EQ(b[8], 0);
  EXPECT_EQ(b[9], 0);
  EXPECT_EQ(readLe16(b, 10), 0);  // hot spot
  EXPECT_EQ(readLe16(b, 12), 0);
  EXPECT_EQ(readLe32(b, 14), 2216);
  EXPECT_EQ(readLe32(b, 18), 22);
  // Bitmap information header.
  EXPECT_EQ(readLe32(b, 22), 40);
  EXPECT_EQ(readLe32(b, 26), 32);
  EXPECT_EQ(readLe32(b, 30), 64);
  EXPECT_EQ(readLe16(b, 34), 1);
  EXPECT_EQ(readLe16(b, 36), 8);
  EXPECT_EQ(readLe32(b, 38), 0);
  EXPECT_EQ(readLe32(b, 42), 1152);
  EXPECT_EQ(22 + 40 + 1024 + 1024 + 128, 2238);
}

TEST(BuiltInCursor, DrawsAnOutlinedRainbowArrowAtTheTip) {
  const auto c = decodeCursorFile(builtInCursorFile());
  ASSERT_TRUE(c);
  ASSERT_EQ(c->width, 32);
  ASSERT_EQ(c->height, 32);
  EXPECT_EQ(c->hotX, 0);
  EXPECT_EQ(c->hotY, 0);
  auto at = [&](int x, int y) { return c->argb[static_cast<std::size_t>(y * 32 + x)]; };
  auto opaque = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < 32 && y < 32 && (at(x, y) >> 24) != 0;
  };

  int right = -1;
  int bottom = -1;
  std::set<std::uint32_t> fills;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const std::uint32_t p = at(x, y);
      if (!opaque(x, y)) {
        EXPECT_EQ(p, 0u) << x << "," << y;
        continue;
      }
      EXPECT_EQ(p >> 24, 0xFFu);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
      const bool onBorder =
          !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1);
      // Whatever touches the transparent part is outline, so the fill is closed in.
      if (onBorder) {
        EXPECT_EQ(p & 0xFFFFFFu, 0u) << x << "," << y;
      }
      if ((p & 0xFFFFFFu) != 0) fills.insert(p & 0xFFFFFFu);
    }
  }
  EXPECT_EQ(right, 13);
  EXPECT_EQ(bottom, 21);
  EXPECT_EQ(at(0, 0), 0xFF000000u);  // the tip
  EXPECT_GE(fills.size(), 5u);       // a rainbow, not one colour
}

TEST(CursorFile, RefusesWhatItCannotRead) {
  const PictureBytes& good = builtInCursorFile();
  EXPECT_FALSE(decodeCursorFile({}));
  EXPECT_FALSE(decodeCursorFile(PictureBytes(good.begin(), good.end() - 1)));
  PictureBytes icon = good;
  icon[2] = 1;  // an icon, not a cursor
  EXPECT_FALSE(decodeCursorFile(icon));
  PictureBytes farOffset = good;
  writeLe32(farOffset, 18, 0xFFFFFFF0u);
  EXPECT_FALSE(decodeCursorFile(farOffset));
  PictureBytes compressed = good;
  writeLe32(compressed, 22 + 16, 1);
  EXPECT_FALSE(decodeCursorFile(compressed));
}

}  // namespace
}  // namespace qirvo
