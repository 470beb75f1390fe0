#include "toolkit/qt/qt_cursors.h"

namespace qirvo {

QCursor cursorFor(const PointerShape& shape) {
  switch (shape.standard) {
    case StandardPointer::SizeAll:
      return QCursor(Qt::SizeAllCursor);
    case StandardPointer::SizeNESW:
      return QCursor(Qt::SizeBDiagCursor);
    case StandardPointer::SizeNS:
      return QCursor(Qt::SizeVerCursor);
    case StandardPointer::SizeNWSE:
      return QCursor(Qt::SizeFDiagCursor);
    case StandardPointer::SizeWE:
      return QCursor(Qt::SizeHorCursor);
    case StandardPointer::Arrow:
      break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace qirvo
