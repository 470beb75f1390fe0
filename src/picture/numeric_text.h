#pragma once
#include <string_view>

namespace qirvo {

// The number a typed text stands for, as the similarity box reads it: full-width digits,
// signs, point and letters count as their ASCII forms and the ideographic space as a blank;
// after leading blanks, the longest prefix that reads as a decimal number (sign, digits,
// point, fraction, exponent) gives the value. A text without such a prefix gives 0.
double numericValue(std::string_view text);

}  // namespace qirvo
