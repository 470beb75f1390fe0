#pragma once
#include <QKeyEvent>

#include "toolkit/keys.h"

namespace qirvo {

// Qt keys as the core's virtual-key codes: arrows, digits and letters map to their codes;
// anything else passes as 0, which no handler acts on.
inline int virtualKeyOf(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    default:
      break;
  }
  if ((e.key() >= Qt::Key_0 && e.key() <= Qt::Key_9) ||
      (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z))
    return e.key();
  return 0;
}

inline int modifiersOf(Qt::KeyboardModifiers m) {
  int out = kModNone;
  if (m & Qt::ControlModifier) out |= kModCtrl;
  if (m & Qt::ShiftModifier) out |= kModShift;
  if (m & Qt::AltModifier) out |= kModAlt;
  return out;
}

}  // namespace qirvo
