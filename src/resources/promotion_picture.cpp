#include "resources/promotion_picture.h"

#include <array>
#include <cmath>

namespace qirvo {

namespace {

// 5 x 7 glyphs, one row a byte, the top bit of the low five is the left column.
constexpr std::array<std::array<std::uint8_t, 7>, 5> kGlyphs = {{
    {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D},  // Q
    {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E},  // I
    {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},  // R
    {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04},  // V
    {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E},  // O
}};

ColourValue mix(ColourValue a, ColourValue b, double t) {
  auto lerp = [t](int p, int q) { return static_cast<int>(p + (q - p) * t + 0.5); };
  return makeColour(lerp(redOf(a), redOf(b)), lerp(greenOf(a), greenOf(b)),
                    lerp(blueOf(a), blueOf(b)));
}

ColourValue rainbow(double t) {
  const double r = 0.5 + 0.5 * std::cos(6.2831853 * (t + 0.0));
  const double g = 0.5 + 0.5 * std::cos(6.2831853 * (t + 0.67));
  const double b = 0.5 + 0.5 * std::cos(6.2831853 * (t + 0.33));
  return makeColour(static_cast<int>(r * 255), static_cast<int>(g * 255),
                    static_cast<int>(b * 255));
}

Raster drawArt() {
  Raster art(kPromotionWidth, kPromotionHeight);
  const ColourValue left = makeColour(24, 40, 88);
  const ColourValue right = makeColour(18, 120, 132);
  for (int y = 0; y < kPromotionHeight; ++y)
    for (int x = 0; x < kPromotionWidth; ++x)
      art.set(x, y, mix(left, right, (x + 0.4 * y) / (kPromotionWidth + 40.0)));
  // Soft rings, the "transparent" motif.
  const int rings[][3] = {{300, 30, 26}, {345, 62, 18}, {262, 70, 12}};
  for (auto [cx, cy, radius] : rings)
    for (int y = 0; y < kPromotionHeight; ++y)
      for (int x = 0; x < kPromotionWidth; ++x) {
        const double d = std::hypot(x - cx, y - cy);
        if (d < radius && d > radius - 3) art.set(x, y, mix(art.at(x, y), kWhite, 0.55));
      }
  // The name in block letters with a shadow.
  const int scale = 7;
  const int originX = 24;
  const int originY = 14;
  for (std::size_t g = 0; g < kGlyphs.size(); ++g)
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col) {
        if (!((kGlyphs[g][row] >> (4 - col)) & 1)) continue;
        const int x0 = originX + static_cast<int>(g) * 6 * scale + col * scale;
        const int y0 = originY + row * scale;
        art.fillRect({x0 + 2, y0 + 2, x0 + scale + 2, y0 + scale + 2}, makeColour(8, 16, 36));
        art.fillRect({x0, y0, x0 + scale, y0 + scale}, kWhite);
      }
  // A rainbow rule under the name.
  for (int x = originX; x < originX + 29 * scale; ++x)
    art.fillRect({x, 70, x + 1, 74}, rainbow(static_cast<double>(x - originX) / (29 * scale)));
  return art;
}

}  // namespace

const PictureBytes& builtInPromotionPicture() {
  static const PictureBytes bytes = [] {
    PictureBytes b = encodePicture(drawArt());
    b.push_back(0);
    b.push_back(0);
    writeLe32(b, 2, static_cast<std::uint32_t>(b.size()));
    writeLe32(b, 38, 2834);
    writeLe32(b, 42, 2834);
    return b;
  }();
  return bytes;
}

}  // namespace qirvo
