#include "platform/posix/SafetyCopies.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "platform/FileStore.h"
#include "platform/posix/FileCalls.h"

namespace kgh::posix {
namespace {

constexpr std::string_view kCopySuffix = ".bak";

std::string Hex(std::uint64_t value) {
  std::string text(16, '0');
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, value >>= 4U) *digit = "0123456789abcdef"[value & 15U];
  return text;
}

template <typename Number>
bool ParseWhole(std::string_view text, Number& value, int base) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// What the name of a copy of `name` claims: the file's identity and the two digests.
struct Claim {
  FileIdentity file;
  std::uint64_t previous = 0, next = 0;
};

// ".<name>.<pid>.<n>.<inode>-<birth>-<previous>-<next>.bak"; nullopt for any other name.
std::optional<Claim> ClaimOf(std::string_view entry, const std::string& name) {
  const std::string prefix = "." + name + ".";
  if (!entry.starts_with(prefix) || !entry.ends_with(kCopySuffix)) return std::nullopt;
  std::string_view middle = entry.substr(prefix.size(), entry.size() - prefix.size() - kCopySuffix.size());
  std::uint64_t number = 0;
  for (int stamp = 0; stamp < 2; ++stamp) {  // the process id and the random number
    const auto dot = middle.find('.');
    if (dot == std::string_view::npos || !ParseWhole(middle.substr(0, dot), number, 10)) return std::nullopt;
    middle.remove_prefix(dot + 1);
  }
  Claim claim;
  const auto dash = middle.find('-');
  constexpr std::size_t kDigits = 16, kHexFields = 3;
  if (dash == std::string_view::npos || middle.size() - dash != kHexFields * (kDigits + 1) ||
      !ParseWhole(middle.substr(0, dash), claim.file.inode, 10))
    return std::nullopt;
  std::uint64_t* const fields[kHexFields] = {&claim.file.birth, &claim.previous, &claim.next};
  for (std::size_t i = 0; i < kHexFields; ++i) {
    const std::size_t start = dash + i * (kDigits + 1);
    if (middle[start] != '-' || !ParseWhole(middle.substr(start + 1, kDigits), *fields[i], 16)) return std::nullopt;
  }
  return claim;
}

bool BelongsTo(uid_t uid, gid_t group) {
  passwd entry {};
  passwd* found = nullptr;
  std::vector<char> text(16384);
  if (getpwuid_r(uid, &entry, text.data(), text.size(), &found) != 0 || found == nullptr) return false;
  if (entry.pw_gid == group) return true;
  std::vector<gid_t> groups(64);
  int count = static_cast<int>(groups.size());
  while (getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0) {
    if (count <= static_cast<int>(groups.size())) return false;
    groups.resize(static_cast<std::size_t>(count));
  }
  return std::find(groups.begin(), groups.begin() + count, group) != groups.begin() + count;
}

// Whether whoever owns a copy could have written the file anyway.
bool MayWrite(uid_t owner, const struct stat* file) {
  if (owner == 0 || owner == geteuid()) return true;  // a copy of one's own deceives nobody else
  if (file == nullptr) return owner == geteuid();
  if (owner == file->st_uid || (file->st_mode & S_IWOTH) != 0) return true;
  return (file->st_mode & S_IWGRP) != 0 && BelongsTo(owner, file->st_gid);
}

// Whether this process may remove a file owned by `owner` from `folder`, where it may create files.
bool MayRemove(uid_t owner, const struct stat& folder) {
  const uid_t self = geteuid();
  return (folder.st_mode & S_ISVTX) == 0 || self == 0 || self == owner || self == folder.st_uid;
}

// The copy `entry` in the open folder `folder`, if it is what its name claims.
std::optional<SafetyCopy> Believed(int folder, const struct stat& folder_status, bool folder_writable,
                                   const std::string& path, const char* entry, const Claim& claim,
                                   const struct stat* file) {
  const int fd = openat(folder, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  SafetyCopy copy{path, {}, claim.file, claim.next, false};
  struct stat st {};
  const bool believed = fstat(fd, &st) == 0 && RefusalOf(st, kMaxFileBytes) == 0 && st.st_nlink == 1 &&
                        (file == nullptr || st.st_dev == file->st_dev) && MayWrite(st.st_uid, file) &&
                        ReadToEnd(fd, copy.content, kMaxFileBytes) && ContentDigest(copy.content) == claim.previous;
  close(fd);
  copy.removable = folder_writable && MayRemove(st.st_uid, folder_status);
  return believed ? std::optional<SafetyCopy>(std::move(copy)) : std::nullopt;
}

std::uint64_t Nanoseconds(const statx_timestamp& time) {
  return static_cast<std::uint64_t>(time.tv_sec) * 1000000000ULL + time.tv_nsec;
}

}  // namespace

std::uint64_t ContentDigest(std::string_view bytes) {
  std::uint64_t digest = 14695981039346656037ULL;
  for (const char byte : bytes) {
    digest ^= static_cast<unsigned char>(byte);
    digest *= 1099511628211ULL;
  }
  return digest;
}

FileIdentity IdentityOf(const std::string& path, const struct stat& file) {
  FileIdentity identity{file.st_ino, 0};
  struct statx made {};
  if (statx(AT_FDCWD, path.c_str(), 0, STATX_INO | STATX_BTIME, &made) == 0 && made.stx_ino == file.st_ino &&
      (made.stx_mask & STATX_BTIME) != 0)
    identity.birth = Nanoseconds(made.stx_btime);
  return identity;
}

bool CopiesBeside::MayReplaceCurrent() const {
  return std::all_of(current.begin(), current.end(), [](const SafetyCopy& copy) { return copy.removable; });
}

std::optional<std::string> CopiesBeside::TornContentRestored(std::string_view bytes) const {
  if (current.empty()) return std::nullopt;
  const std::uint64_t digest = ContentDigest(bytes);
  for (const SafetyCopy& copy : current)
    if (digest == copy.next || bytes == copy.content) return std::nullopt;  // whole: before or after its rewrite
  return current.front().content;
}

CopiesBeside FindCopies(const std::string& target, const struct stat* file) {
  CopiesBeside found;
  const std::string folder_path = ParentOf(target), name = NameOf(target);
  const int folder = open(folder_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* listing = folder < 0 ? nullptr : fdopendir(folder);
  struct stat folder_status {};
  if (listing == nullptr || fstat(folder, &folder_status) != 0) {
    if (listing != nullptr) closedir(listing);
    else if (folder >= 0) close(folder);
    return found;
  }
  const bool folder_writable = faccessat(AT_FDCWD, folder_path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
  const FileIdentity identity = file != nullptr ? IdentityOf(target, *file) : FileIdentity{};
  while (const dirent* entry = readdir(listing)) {
    const std::string_view entry_name = entry->d_name;
    if (!entry_name.starts_with("." + name + ".") || !entry_name.ends_with(kCopySuffix)) continue;
    const std::string path = folder_path + "/" + entry->d_name;
    const auto claim = ClaimOf(entry_name, name);
    auto copy = claim ? Believed(folder, folder_status, folder_writable, path, entry->d_name, *claim, file)
                      : std::nullopt;
    if (!copy) found.untrusted.push_back(path);
    else if (file != nullptr && copy->file == identity) found.current.push_back(std::move(*copy));
    else found.stale.push_back(std::move(*copy));
  }
  closedir(listing);  // closes `folder` too
  return found;
}

std::string CopyNameFor(const std::string& temporary, const FileIdentity& file, std::string_view previous,
                        std::string_view next) {
  constexpr std::string_view kTemporarySuffix = ".tmp";
  const std::string stem = temporary.substr(0, temporary.size() - kTemporarySuffix.size());
  return stem + "." + std::to_string(file.inode) + "-" + Hex(file.birth) + "-" + Hex(ContentDigest(previous)) + "-" +
         Hex(ContentDigest(next)) + std::string(kCopySuffix);
}

bool PlaceCopy(const std::string& temporary, const std::string& name) {
  if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) return true;
  // A file system that cannot refuse to replace: the name holds a random number nobody could have
  // guessed. (A hard link in between would leave a second name that a kill could strand.)
  return errno == EINVAL && rename(temporary.c_str(), name.c_str()) == 0;
}

bool RemoveCopies(const std::vector<SafetyCopy>& copies) {
  bool removed = true;
  for (const SafetyCopy& copy : copies)
    if (unlink(copy.path.c_str()) != 0 && errno != ENOENT) removed = false;
  return removed;
}

}  // namespace kgh::posix
