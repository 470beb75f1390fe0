#pragma once
#include "toolkit/layout.h"

namespace qirvo {

inline constexpr const char* kMainWindowTitle = "Lumetra-Qirvo出品";
inline constexpr const char* kMessageTitle = "Qirvo提示";

// MainWindow: 22 controls in creation order. The client area is 403 x 233, which a
// Windows-like frame brings to an outer 409 x 262.
const WindowLayout& mainWindowLayout();

}  // namespace qirvo
