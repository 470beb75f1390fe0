#pragma once
#include "picture/picture_bytes.h"

namespace qirvo {

// A copy of the picture with every colour byte of every pixel at two thirds, truncated
// (255 -> 170, 1 -> 0). Header and row padding are copied unchanged. The row stride is
// taken from the image-size field; bytes the picture does not hold are left alone.
PictureBytes dimPicture(const PictureBytes& picture);

}  // namespace qirvo
