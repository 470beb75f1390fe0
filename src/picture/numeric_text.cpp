#include "picture/numeric_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace qirvo {

namespace {

// Users of a Chinese input method often type the full-width forms U+FF01..U+FF5E, which
// are the ASCII characters 0x21..0x7E shifted, or the ideographic space U+3000. Both come
// as three UTF-8 bytes.
std::string foldFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if ((b0 == 0xEF || b0 == 0xE3) && i + 2 < text.size()) {
      const auto b1 = static_cast<unsigned char>(text[i + 1]);
      const auto b2 = static_cast<unsigned char>(text[i + 2]);
      const unsigned code = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
      const bool continuation = (b1 & 0xC0u) == 0x80u && (b2 & 0xC0u) == 0x80u;
      if (continuation && code >= 0xFF01 && code <= 0xFF5E) {
        out += static_cast<char>(code - 0xFF01 + 0x21);
        i += 3;
        continue;
      }
      if (continuation && code == 0x3000) {
        out += ' ';
        i += 3;
        continue;
      }
    }
    out += text[i];
    ++i;
  }
  return out;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// from_chars leaves the value alone when the number does not fit a double; tell overflow
// from underflow by the decimal order of magnitude of the first significant digit.
double outOfRange(std::string_view number, bool negative) {
  long order = 0;
  bool seenPoint = false;
  bool significant = false;
  std::size_t i = 0;
  for (; i < number.size() && (isDigit(number[i]) || number[i] == '.'); ++i) {
    if (number[i] == '.') {
      seenPoint = true;
    } else if (!significant && number[i] == '0') {
      if (seenPoint) --order;
    } else if (!significant) {
      significant = true;
      if (!seenPoint) ++order;
    } else if (!seenPoint) {
      ++order;
    }
  }
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool minus = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    long exponent = 0;
    for (; i < number.size() && isDigit(number[i]); ++i)
      exponent = std::min(exponent * 10 + (number[i] - '0'), 100000L);
    order += minus ? -exponent : exponent;
  }
  const double magnitude = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}

}  // namespace

double numericValue(std::string_view text) {
  const std::string folded = foldFullWidth(text);
  std::string_view s = folded;
  std::size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;

  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  std::size_t digits = 0;
  for (; i < s.size() && isDigit(s[i]); ++i) ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    for (; i < s.size() && isDigit(s[i]); ++i) ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) ++j;
      end = j;
    }
  }

  const std::string_view number = s.substr(start, end - start);
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) return outOfRange(number, negative);
  return negative ? -value : value;
}

}  // namespace qirvo
