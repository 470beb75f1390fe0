#include "files/replace_file.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace qirvo {

namespace {

namespace fs = std::filesystem;

// A name no other writer uses: short, so a target name near the system's length limit
// still leaves room for it.
fs::path temporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  static thread_local std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 16; ++attempt) {
    char name[48];
    std::snprintf(name, sizeof name, ".qirvo-%016llx-%u.tmp",
                  static_cast<unsigned long long>(random()), counter.fetch_add(1));
    fs::path candidate = target.parent_path() / name;
    std::error_code ec;
    if (!fs::exists(candidate, ec) && !ec) return candidate;
  }
  return {};
}

bool writeAll(const fs::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

bool replaceFile(const fs::path& target, std::span<const std::uint8_t> bytes) {
  std::error_code ec;
  const fs::file_status old = fs::status(target, ec);
  const bool replacing = fs::is_regular_file(old);
  // Truncating such a file would be refused too; a rename would quietly get round that.
  if (replacing && (old.permissions() & fs::perms::owner_write) == fs::perms::none) return false;
  if (fs::is_directory(old)) return false;

  const fs::path temporary = temporaryBeside(target);
  if (temporary.empty()) return false;
  if (!writeAll(temporary, bytes)) {
    fs::remove(temporary, ec);
    return false;
  }
  if (replacing) fs::permissions(temporary, old.permissions(), ec);
  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace qirvo
