#include "capture/dim_picture.h"

#include <gtest/gtest.h>

#include "picture/pixel_reader.h"

namespace qirvo {
namespace {

TEST(DimPicture, TwoThirdsOfEveryColourByte) {
  Raster image(3, 2);
  image.set(0, 0, makeColour(1, 128, 255));
  image.set(1, 0, kBlack);
  image.set(2, 0, makeColour(254, 3, 2));
  image.set(0, 1, kWhite);
  const PictureBytes before = encodePicture(image);
  const PictureBytes dimmed = dimPicture(before);
  ASSERT_EQ(dimmed.size(), before.size());
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + kBmpHeaderBytes, dimmed.begin()));
  PixelReader r;
  ASSERT_TRUE(r.load(dimmed));
  EXPECT_EQ(r.getPixel(0, 0), makeColour(0, 85, 170));
  EXPECT_EQ(r.getPixel(1, 0), kBlack);
  EXPECT_EQ(r.getPixel(2, 0), makeColour(169, 2, 1));
  EXPECT_EQ(r.getPixel(0, 1), makeColour(170, 170, 170));
}

TEST(DimPicture, OnePixelWideLeavesTheRowPadding) {
  PictureBytes p = encodePicture(Raster(1, 3, kWhite));
  ASSERT_EQ(readLe32(p, 34), 12);  // stride 4
  for (int row = 0; row < 3; ++row) p[kBmpHeaderBytes + 4 * row + 3] = 0xEE;
  const PictureBytes dimmed = dimPicture(p);
  for (int row = 0; row < 3; ++row) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(dimmed[kBmpHeaderBytes + 4 * row + j], 170);
    EXPECT_EQ(dimmed[kBmpHeaderBytes + 4 * row + 3], 0xEE);
  }
}

TEST(DimPicture, NoRowsOrTooFewBytesChangeNothingUnsafe) {
  PictureBytes p = encodePicture(Raster(2, 2, kWhite));
  for (std::int32_t h : {0, -2}) {
    PictureBytes q = p;
    writeLe32(q, 22, static_cast<std::uint32_t>(h));
    EXPECT_EQ(dimPicture(q), q) << h;
  }
  EXPECT_TRUE(dimPicture({}).empty());
  // A header promising more rows than the bytes hold: the rows that are there are dimmed,
  // nothing beyond them is touched.
  PictureBytes cut(p.begin(), p.begin() + kBmpHeaderBytes + 8 + 3);
  writeLe32(cut, 22, 1000);
  writeLe32(cut, 34, 8000);
  const PictureBytes dimmed = dimPicture(cut);
  ASSERT_EQ(dimmed.size(), cut.size());
  EXPECT_EQ(dimmed.back(), 170);
  // A height of two billion over a few bytes ends at the bytes, not after two billion rows.
  writeLe32(cut, 22, 0x7FFFFFFF);
  writeLe32(cut, 34, 0x7FFFFFFF);
  EXPECT_EQ(dimPicture(cut).size(), cut.size());
}

}  // namespace
}  // namespace qirvo
