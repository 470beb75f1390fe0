#pragma once
#include "picture/picture_bytes.h"
#include "picture/raster.h"
#include "toolkit/platform.h"

namespace qirvo {

// The screen pixels that a grab of (left, top, right, bottom), right and bottom exclusive,
// reads: the rectangle cut at the screen's edges, or an empty Rect when nothing is left.
Rect grabArea(int left, int top, int right, int bottom, ScreenSize screen);

// The area of `screen` as PictureBytes; an empty area gives the empty picture.
PictureBytes pictureOf(const Raster& screen, Rect area);

}  // namespace qirvo
