#include "platform/Module1.h"

#include <filesystem>
#include <system_error>

namespace kgh {
namespace {

std::string Join(const std::vector<std::string>& parts, std::size_t from, char sep) {
  std::string out;
  for (std::size_t i = from; i < parts.size(); ++i) {
    if (!out.empty()) out += sep;
    out += parts[i];
  }
  return out;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  // Iterative glob with backtracking on the last "*": linear in practice, no recursion.
  std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

int32_t AttributesOf(const std::filesystem::path& path) {
  std::error_code ec;
  // The entry itself, as the directory search sees it: a link whose target does not exist yet
  // is still an entry, and a configuration reached through it is edited, not appended to.
  const auto entry = std::filesystem::symlink_status(path, ec);
  if (ec || !std::filesystem::exists(entry)) return -1;
  constexpr int32_t kNormal = 0x80, kReadOnly = 0x01, kReparsePoint = 0x400;
  if (std::filesystem::is_symlink(entry)) {
    // A link to a folder carries the folder bit, as a directory link does on Windows.
    const bool to_folder = std::filesystem::is_directory(std::filesystem::status(path, ec));
    return kReparsePoint | (to_folder ? kDirectoryAttribute : 0);
  }
  if (std::filesystem::is_directory(entry)) return kDirectoryAttribute;
  const bool writable = (entry.permissions() & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
  return writable ? kNormal : kReadOnly;
}

}  // namespace

thread_local std::string PendingBrowseFolder;

std::string RelativePathFrom(std::string_view from_dir, std::string_view to_path, PathFlavour flavour) {
  if (from_dir.empty() || to_path.empty()) return {};
  const SplitPath from = SplitPathText(from_dir, flavour);
  const SplitPath to = SplitPathText(to_path, flavour);
  if (!SamePathPart(from.root, to.root, flavour)) return {};
  std::size_t shared = 0;
  while (shared < from.components.size() && shared < to.components.size() &&
         SamePathPart(from.components[shared], to.components[shared], flavour))
    ++shared;
  if (from.root.empty() && shared == 0) return {};

  const char sep = PathSeparator(flavour);
  std::string result;
  for (std::size_t i = shared; i < from.components.size(); ++i) {
    if (!result.empty()) result += sep;
    result += "..";
  }
  if (result.empty()) result = ".";
  const std::string rest = Join(to.components, shared, sep);
  if (!rest.empty()) result += sep + rest;
  return result.size() >= kMaxPathLength ? std::string() : result;
}

std::string MakeRelativePath(std::string_view base_dir, std::string_view target, PathFlavour flavour) {
  std::string r = RelativePathFrom(base_dir, target, flavour);
  const char prefix[] = {'.', PathSeparator(flavour)};
  if (r.size() >= 2 && r[0] == prefix[0] && r[1] == prefix[1]) r.erase(0, 2);
  return r;
}

std::string TrimAtNull(std::string& buffer) {
  const auto nul = buffer.find('\0');
  if (nul != std::string::npos) buffer.resize(nul);
  return buffer;
}

int32_t FileAttributes(const std::string& path) {
  if (path.empty()) return -1;
  const char last = path.back();
  // On POSIX both sides name "/"; on Windows the second is "\\".
  if (last == '/' || last == PathSeparator(NativePathFlavour())) return -1;  // NOLINT(misc-redundant-expression)
  const std::filesystem::path fs_path(path);
  const std::string leaf = fs_path.filename().string();
  if (leaf.find_first_of("*?") == std::string::npos) return AttributesOf(fs_path);

  std::error_code ec;
  const auto parent = fs_path.has_parent_path() ? fs_path.parent_path() : std::filesystem::path(".");
  for (std::filesystem::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
    if (MatchesWildcard(leaf, it->path().filename().string())) return AttributesOf(it->path());
  }
  return -1;
}

std::string FilterPatterns(const FileDialogRequest& request) {
  std::string patterns;
  std::string_view rest = request.extensions;
  bool first = true;
  for (;;) {
    const auto semi = rest.find(';');
    std::string_view piece = rest.substr(0, semi);
    if (!patterns.empty()) patterns += ' ';
    patterns += (first ? "*." : "") + std::string(piece);
    first = false;
    if (semi == std::string_view::npos) break;
    rest.remove_prefix(semi + 1);
  }
  return patterns;
}

}  // namespace kgh
