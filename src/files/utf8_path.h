#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace qirvo {

// Texts of the program are UTF-8; file names cross into the platform's own encoding here,
// so names compare and round-trip the same on every platform.
inline std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

}  // namespace qirvo
