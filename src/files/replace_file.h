#pragma once
#include <cstdint>
#include <filesystem>
#include <span>

namespace qirvo {

// Writes the whole file at `target`, creating it or replacing it. The bytes go to a
// temporary file in the same directory first, which is then renamed over the target, so
// a failure at any point leaves an existing file exactly as it was. A file whose owner
// has taken away write permission is not replaced. True when the target now holds the
// bytes.
bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace qirvo
