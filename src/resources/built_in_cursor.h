#pragma once
#include <cstdint>
#include <vector>

namespace qirvo {

// The capture editor's own pointer as the bytes of a .cur file: a 32 x 32, 8-bit cursor
// with its hot spot at the tip (0, 0), an arrow 14 wide and 22 high with a black outline
// and a rainbow fill, transparent elsewhere. 2,238 bytes, built once.
const std::vector<std::uint8_t>& builtInCursorFile();

}  // namespace qirvo
