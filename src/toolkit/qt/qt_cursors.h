#pragma once
#include <QCursor>

#include "toolkit/pointer_shape.h"

namespace qirvo {

// The shown pointer of a pointer-table entry; cursor files are decoded once per content.
QCursor cursorFor(const PointerShape& shape);

}  // namespace qirvo
