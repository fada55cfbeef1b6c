// The POSIX file store: read whole files, replace them through a temporary file beside the
// target that is flushed to disk and renamed over it.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#include "platform/FileStore.h"

namespace kgh {
namespace {

constexpr int kMaxLinkDepth = 40;
constexpr int kTemporaryNameAttempts = 16;

std::string ParentOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Follows symbolic links so that the temporary file is made beside the real file and the
// rename replaces the target, not the link. A dangling link resolves to where it points.
std::string ResolveLinks(std::string path) {
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<std::size_t>(st.st_size) + 256, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return path;
    target.resize(static_cast<std::size_t>(n));
    path = (!target.empty() && target[0] == '/') ? target : ParentOf(path).append("/").append(target);
  }
  return path;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string TemporaryNameFor(const std::string& target) {
  static std::mt19937_64 random{std::random_device{}()};
  const auto slash = target.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  // The process id keeps the names of processes forked with the same random state apart.
  return dir + "." + name + "." + std::to_string(getpid()) + "." + std::to_string(random() % 1000000000ULL) + ".tmp";
}

// Whether `entry` is a temporary file that a write of `name` left behind in a process that is
// gone (killed before its rename): ".<name>.<pid>.<number>.tmp" with no such process alive.
bool IsAbandonedTemporary(const std::string& entry, const std::string& name) {
  const std::string prefix = "." + name + ".";
  constexpr std::string_view kSuffix = ".tmp";
  if (entry.size() <= prefix.size() + kSuffix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
      entry.compare(entry.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0)
    return false;
  const std::string middle = entry.substr(prefix.size(), entry.size() - prefix.size() - kSuffix.size());
  const auto dot = middle.find('.');
  if (dot == 0 || dot == std::string::npos || middle.find_first_not_of("0123456789.") != std::string::npos) return false;
  const long pid = std::stol(middle.substr(0, dot));
  return pid > 0 && pid != getpid() && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Nothing else would ever remove what a killed write left; the next write of the same file does.
void RemoveAbandonedTemporaries(const std::string& target) {
  const auto slash = target.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  DIR* listing = opendir(dir.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    if (IsAbandonedTemporary(entry->d_name, name)) (void)unlinkat(dirfd(listing), entry->d_name, 0);
  }
  closedir(listing);
}

class PosixFileStore final : public FileStore {
 public:
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override {
    bytes.clear();
    error = 0;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      error = errno;
      return ClassifyOpenFailure(path, error);
    }
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
      close(fd);
      error = EISDIR;
      return ReadStatus::Failed;
    }
    if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        error = errno;
        close(fd);
        bytes.clear();
        return ReadStatus::Failed;
      }
      bytes.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return ReadStatus::Ok;
  }

  bool Replace(const std::string& path, std::string_view bytes, int& error) override {
    error = 0;
    const std::string target = ResolveLinks(path);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
      error = EISDIR;
      return false;
    }
    // The rename would replace a file that its owner made read-only (even for root): refuse,
    // as writing into it would be refused.
    const bool read_only = (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (exists && (read_only || access(target.c_str(), W_OK) != 0)) {
      error = EACCES;
      return false;
    }
    // A name may be taken by the leftover of a write that was killed, possibly one made by a
    // process forked from this one with the same random state: try further names.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && fd < 0; ++attempt) {
      temp = TemporaryNameFor(target);
      fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
      error = errno;
      return false;
    }
    bool ok = WriteAll(fd, bytes);
    if (ok && exists) {
      // Keep the mode and, where we may, the owner of the file being replaced.
      ok = fchmod(fd, existing.st_mode & 07777) == 0;
      if (ok && (existing.st_uid != geteuid() || existing.st_gid != getegid()))
        (void)!fchown(fd, existing.st_uid, existing.st_gid);
    }
    ok = ok && fsync(fd) == 0;
    if (!ok) error = errno;
    if (close(fd) != 0 && ok) {
      ok = false;
      error = errno;
    }
    if (ok && rename(temp.c_str(), target.c_str()) != 0) {
      ok = false;
      error = errno;
    }
    if (!ok) {
      unlink(temp.c_str());
      return false;
    }
    SyncDirectoryOf(target);
    RemoveAbandonedTemporaries(target);
    return true;
  }

 private:
  static ReadStatus ClassifyOpenFailure(const std::string& path, int error) {
    if (error != ENOENT && error != ENOTDIR) return ReadStatus::Failed;
    if (error == ENOTDIR) return ReadStatus::Unreachable;
    struct stat st {};
    const std::string parent = ParentOf(ResolveLinks(path));
    return (stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ? ReadStatus::Missing
                                                                    : ReadStatus::Unreachable;
  }

  // The rename itself must survive a power cut too.
  static void SyncDirectoryOf(const std::string& target) {
    const int dir = open(ParentOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    (void)fsync(dir);
    close(dir);
  }
};

}  // namespace

FileStore& SystemFileStore() {
  static PosixFileStore store;
  return store;
}

std::string DescribeSystemError(int error) { return std::generic_category().message(error); }

}  // namespace kgh
