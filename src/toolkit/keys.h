#pragma once

namespace qirvo {

// Virtual-key codes as the program uses them; each backend maps its native keys onto these.
enum VirtualKey : int {
  kKeyLeft = 0x25,
  kKeyUp = 0x26,
  kKeyRight = 0x27,
  kKeyDown = 0x28,
  kKeyDigit1 = 0x31,
};

// Modifier bits delivered with a key press.
enum KeyModifier : int {
  kModNone = 0,
  kModCtrl = 1,
  kModShift = 2,
  kModAlt = 4,
};

}  // namespace qirvo
