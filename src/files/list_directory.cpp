#include "files/list_directory.h"

#include <algorithm>
#include <system_error>

#include "files/utf8_path.h"
#include "toolkit/platform.h"

namespace qirvo {

namespace {

// Length of the UTF-8 character that starts at s[i], so that "?" takes a whole character.
std::size_t characterLength(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
  return std::min(n, s.size() - i);
}

}  // namespace

bool matchesPattern(std::string_view name, std::string_view pattern) {
  // "*.*" has always meant every entry, names without a dot included.
  if (pattern == "*.*") return true;
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starPattern = std::string_view::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starPattern = p++;
      starName = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      n += characterLength(name, n);
      ++p;
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++n;
      ++p;
    } else if (starPattern != std::string_view::npos) {
      p = starPattern + 1;
      starName += characterLength(name, starName);
      n = starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> listDirectory(Platform& platform, const std::filesystem::path& directory,
                                       std::string_view pattern, ListedName form) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(directory, ec);
  if (ec) return names;
  std::string prefix;
  if (form == ListedName::WithDirectory) {
    prefix = utf8FromPath(directory);
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    if (!prefix.ends_with(separator)) prefix += separator;
  }
  for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    const std::string name = utf8FromPath(it->path().filename());
    if (!matchesPattern(name, pattern)) continue;
    names.push_back(prefix + name);
    if (platform.inputPending()) platform.processPendingEvents();
  }
  return names;
}

}  // namespace qirvo
