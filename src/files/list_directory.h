#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qirvo {

class Platform;

enum class ListedName { Bare, WithDirectory };

// The UTF-8 names of the entries of `directory` that are not directories and match
// `pattern` ("*" and "?" wildcards; "*.*" selects every entry, names without a dot too), in
// the order the file system gives them. Pending user input is dispatched after each entry,
// so the window stays responsive in a large directory. A directory that cannot be read
// gives an empty list.
std::vector<std::string> listDirectory(Platform& platform, const std::filesystem::path& directory,
                                       std::string_view pattern,
                                       ListedName form = ListedName::Bare);

// Whether a bare name matches such a pattern.
bool matchesPattern(std::string_view name, std::string_view pattern);

}  // namespace qirvo
