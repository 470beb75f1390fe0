#pragma once
#include <cstdint>
#include <vector>

namespace qirvo {

// Standard pointer numbers, as the capture editor stores them in its pointer table.
enum class StandardPointer : int {
  Arrow = 0,
  SizeAll = 8,
  SizeNESW = 9,
  SizeNS = 10,
  SizeNWSE = 11,
  SizeWE = 12,
};

// An empty shape shows the toolkit's default pointer; otherwise a standard pointer or the
// bytes of a .cur file.
struct PointerShape {
  enum class Kind { Default, Standard, CursorFile };
  Kind kind = Kind::Default;
  StandardPointer standard = StandardPointer::Arrow;
  std::vector<std::uint8_t> cursorFile;

  static PointerShape fromStandard(StandardPointer p) { return {Kind::Standard, p, {}}; }
  static PointerShape fromCursorFile(std::vector<std::uint8_t> bytes) {
    return {Kind::CursorFile, StandardPointer::Arrow, std::move(bytes)};
  }
  friend bool operator==(const PointerShape&, const PointerShape&) = default;
};

}  // namespace qirvo
