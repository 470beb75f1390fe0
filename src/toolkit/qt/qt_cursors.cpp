#include "toolkit/qt/qt_cursors.h"

#include <QImage>
#include <QPixmap>
#include <map>

#include "resources/cursor_file.h"

namespace qirvo {

namespace {

QCursor cursorFromFile(const std::vector<std::uint8_t>& bytes) {
  // Pointer tables are refilled at every capture with the same bytes: decode once.
  static std::map<std::vector<std::uint8_t>, QCursor> made;
  if (auto it = made.find(bytes); it != made.end()) return it->second;
  QCursor cursor(Qt::ArrowCursor);
  if (auto image = decodeCursorFile(bytes)) {
    QImage img(reinterpret_cast<const uchar*>(image->argb.data()), image->width, image->height,
               image->width * 4, QImage::Format_ARGB32);
    cursor = QCursor(QPixmap::fromImage(img.copy()), image->hotX, image->hotY);
  }
  made.emplace(bytes, cursor);
  return cursor;
}

}  // namespace

QCursor cursorFor(const PointerShape& shape) {
  if (shape.kind == PointerShape::Kind::CursorFile) return cursorFromFile(shape.cursorFile);
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
