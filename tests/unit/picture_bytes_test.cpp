#include "picture/picture_bytes.h"

#include <gtest/gtest.h>

#include "picture/pixel_reader.h"

namespace qirvo {
namespace {

TEST(PictureBytes, OnePixelLayout) {
  Raster r(1, 1);
  r.set(0, 0, makeColour(10, 20, 30));
  PictureBytes b = encodePicture(r);
  ASSERT_EQ(b.size(), 58u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(readLe32(b, 2), 58);
  EXPECT_EQ(readLe32(b, 10), 54);
  EXPECT_EQ(readLe32(b, 14), 40);
  EXPECT_EQ(readLe32(b, 18), 1);
  EXPECT_EQ(readLe32(b, 22), 1);
  EXPECT_EQ(readLe16(b, 26), 1);
  EXPECT_EQ(readLe16(b, 28), 24);
  EXPECT_EQ(readLe32(b, 30), 0);
  EXPECT_EQ(readLe32(b, 34), 4);
  for (int off : {38, 42, 46, 50}) EXPECT_EQ(readLe32(b, off), 0) << off;
  EXPECT_EQ(b[54], 30);  // blue, green, red
  EXPECT_EQ(b[55], 20);
  EXPECT_EQ(b[56], 10);
}

TEST(PictureBytes, TopLineIsStoredLast) {
  Raster r(2, 2);
  r.set(0, 0, makeColour(255, 0, 0));
  PictureBytes b = encodePicture(r);
  ASSERT_EQ(b.size(), 70u);
  EXPECT_EQ(b[62], 0x00);
  EXPECT_EQ(b[63], 0x00);
  EXPECT_EQ(b[64], 0xFF);
  PixelReader reader;
  ASSERT_TRUE(reader.load(b));
  EXPECT_EQ(reader.getPixel(0, 0), 255u);
}

TEST(PictureBytes, StrideTable) {
  for (auto [w, stride] : {std::pair{1, 4}, {2, 8}, {3, 12}, {4, 12}, {100, 300}, {103, 312}})
    EXPECT_EQ(bmpStride(w), stride) << w;
  EXPECT_TRUE(encodePicture(Raster{}).empty());
}

TEST(PictureBytes, DecodeRoundTripsAndToleratesShortData) {
  Raster r(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) r.set(x, y, makeColour(x * 40, y * 60, 7));
  PictureBytes b = encodePicture(r);
  auto back = decodePicture(b);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, r);
  b.resize(b.size() - 20);  // the top line's pixels are missing now
  back = decodePicture(b);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->at(4, 0), kBlack);
  EXPECT_EQ(back->at(0, 2), r.at(0, 2));
}

class PixelReaderTest : public ::testing::Test {
 protected:
  PictureBytes picture() {
    Raster r(3, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) r.set(x, y, makeColour(1 + x, 10 + y, 100));
    return encodePicture(r);
  }
  PixelReader reader;
};

TEST_F(PixelReaderTest, ReadsInsideAndAnswersZeroOutside) {
  ASSERT_TRUE(reader.load(picture()));
  EXPECT_EQ(reader.getPixel(2, 1), makeColour(3, 11, 100));
  for (auto [x, y] : {std::pair{3, 0}, {0, 2}, {-1, 0}, {0, -1}})
    EXPECT_EQ(reader.getPixel(x, y), 0u) << x << "," << y;
}

TEST_F(PixelReaderTest, RefusedPicturesLeaveTheReaderEmpty) {
  auto badMagic = picture();
  badMagic[0] = 'X';
  auto longer = picture();
  writeLe32(longer, 2, static_cast<std::uint32_t>(longer.size() + 1));
  auto compressed = picture();
  writeLe32(compressed, 30, 1);
  auto header = picture();
  writeLe32(header, 14, 12);
  auto noPixels = picture();
  writeLe32(noPixels, 10, static_cast<std::uint32_t>(noPixels.size()));
  PictureBytes shortOne(53, 0);
  for (const auto& bad :
       {PictureBytes{}, shortOne, badMagic, longer, compressed, header, noPixels}) {
    ASSERT_TRUE(reader.load(picture()));
    EXPECT_FALSE(reader.load(bad));
    EXPECT_EQ(reader.getPixel(0, 0), 0u);
    EXPECT_FALSE(reader.holdsPicture());
  }
}

TEST_F(PixelReaderTest, HeaderPromisingMorePixelsThanTheDataHoldsReadsZero) {
  // Width, height or image size larger than the bytes carried: the missing pixels are 0,
  // never a read past the data.
  struct Case {
    int field, value, x, y;
  };
  for (auto [field, value, x, y] : {Case{18, 4000, 3999, 0}, Case{18, 4000, 0, 0},
                                    Case{22, 4000, 0, 0}, Case{22, 4000, 2, 3997}}) {
    auto p = picture();
    writeLe32(p, field, static_cast<std::uint32_t>(value));
    ASSERT_TRUE(reader.load(p)) << field;
    EXPECT_EQ(reader.getPixel(x, y), 0u) << field << ": " << x << "," << y;
  }
  auto truncated = picture();
  truncated.resize(60);
  writeLe32(truncated, 2, 60);
  ASSERT_TRUE(reader.load(truncated));
  EXPECT_EQ(reader.getPixel(0, 1), makeColour(1, 11, 100));  // first stored row, first pixel
  EXPECT_EQ(reader.getPixel(2, 1), 0u);
  EXPECT_EQ(reader.getPixel(0, 0), 0u);
}

TEST_F(PixelReaderTest, TopDownPictureReadsZeroEverywhere) {
  auto p = picture();
  writeLe32(p, 22, static_cast<std::uint32_t>(-2));
  ASSERT_TRUE(reader.load(p));
  EXPECT_EQ(reader.getPixel(0, 0), 0u);
}

}  // namespace
}  // namespace qirvo
