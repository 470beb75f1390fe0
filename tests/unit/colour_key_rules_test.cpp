#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "picture/colour_key_pass.h"
#include "picture/numeric_text.h"

namespace qirvo {
namespace {

TEST(ColourKeyRules, MatchRule) {
  const ColourValue grey200 = makeColour(200, 200, 200);
  struct Case {
    ColourValue pixel;
    ColourValue key;
    double threshold;
    bool matches;
  };
  const Case cases[] = {
      // The 0.9 band around 200 is 180..222 in every channel.
      {makeColour(180, 200, 200), grey200, 0.9, true},
      {makeColour(200, 222, 200), grey200, 0.9, true},
      {makeColour(200, 200, 179), grey200, 0.9, false},
      {makeColour(223, 200, 200), grey200, 0.9, false},
      {grey200, grey200, 1.0, true},
      {makeColour(199, 200, 200), grey200, 1.0, false},
      // A channel 0 in both has no ratio and passes; 0 against non-zero fails.
      {makeColour(0, 0, 200), makeColour(0, 0, 200), 1.0, true},
      {kBlack, kBlack, 0.5, true},
      {makeColour(1, 0, 0), kBlack, 0.5, false},
      {makeColour(0, 200, 200), grey200, 0.5, false},
      {makeColour(0, 200, 200), grey200, 0.0000001, true},  // 1e-7 is the tolerance
      // A threshold of 0 or below lets everything through.
      {kWhite, kBlack, 0.0, true},
      {makeColour(0, 255, 7), makeColour(255, 0, 9), -0.5, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(pixelMatches(c.pixel, c.key, c.threshold), c.matches)
        << std::hex << c.pixel << " against " << c.key << " at " << c.threshold;
}

TEST(ColourKeyRules, NumericValueOfText) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"0.9", 0.9},
      {"０．９", 0.9},
      {" 1e-1", 0.1},
      {"abc", 0.0},
      {"", 0.0},
      {"-0.5", -0.5},
      {"1.0x", 1.0},
      {"　０.７５", 0.75},  // ideographic space, mixed widths
      {"＋１Ｅ－１", 0.1},
      {".5", 0.5},
      {"1e", 1.0},  // an exponent without digits is no
                    // exponent
      {"- 1", 0.0},
      {"1e999", inf},
      {"1e-999", 0.0},
  };
  for (const Case& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(ColourKeyRules, ProgressCaptionIsTruncatedAfterTheDivision) {
  struct Case {
    int count;
    int total;
    const char* caption;
  };
  const Case cases[] = {
      {1, 25, "4%"},          // 2 x 2 capture: 画板3 5 x 5, one pixel examined
      {29, 100, "28%"},       // 7 x 7: 0.29 * 100 comes out just below 29
      {1, 2279, "0%"},        // 50 x 40: first caption
      {1911, 2279, "83%"},    // 50 x 40: last caption
      {2900, 3399, "85%"},    // 250 x 30: 103 x 33, 100 columns of 29 lines
      {10000, 10609, "94%"},  // 300 x 300: 103 x 103, 10,000 pixels
  };
  for (const Case& c : cases)
    EXPECT_EQ(progressCaption(c.count, c.total), c.caption) << c.count << "/" << c.total;
}

}  // namespace
}  // namespace qirvo
