#pragma once
#include "toolkit/layout.h"

namespace qirvo {

// CaptureWindow: borderless and on top, sized to the screen when it is set up. Its two
// canvases cover it exactly, so canvas coordinates are screen coordinates. 画板2 (the clean
// snapshot) is created first and 画板1 (the dimmed overlay that takes all input) second,
// which puts 画板1 above it.
const WindowLayout& captureWindowLayout();

}  // namespace qirvo
