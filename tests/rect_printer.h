#pragma once
#include <ostream>

#include "picture/rect.h"

namespace qirvo {

// Readable rectangles and points in test failures.
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

inline void PrintTo(const Point& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}

}  // namespace qirvo
