#pragma once
#include "picture/picture_bytes.h"

namespace qirvo {

inline constexpr int kPromotionWidth = 390;
inline constexpr int kPromotionHeight = 95;

// The built-in promotion art: 390 x 95, 24 bits, bottom-up, 2834 pixels per metre,
// 111,396 bytes with two bytes beyond the rows. Made once, on first use.
const PictureBytes& builtInPromotionPicture();

}  // namespace qirvo
