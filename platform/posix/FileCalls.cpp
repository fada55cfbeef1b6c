#include "platform/posix/FileCalls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace kgh::posix {
namespace {

constexpr int kMaxLinkDepth = 40;
// Renames that swap the file under a waiting writer are rare; give up waiting for a stable name
// after this many and write the last file locked, as an unlocked store would.
constexpr int kLockAttempts = 16;

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Waits for the lock. A file system without locks is written unlocked, as before locks existed.
void Lock(int fd, int operation) {
  while (flock(fd, operation) != 0 && errno == EINTR) {
  }
}

}  // namespace

std::string ParentOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

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

bool ReadToEnd(int fd, std::string& bytes) {
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ReadToEnd(fd, bytes);
  const int saved = errno;
  close(fd);
  errno = saved;
  return ok;
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

bool OverwriteAndFlush(int fd, std::string_view bytes) {
  return lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes) && ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
         fsync(fd) == 0;
}

void SyncFolderOf(const std::string& path) {
  const int dir = open(ParentOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  (void)fsync(dir);
  close(dir);
}

LockedFile::~LockedFile() { Close(); }

int LockedFile::OpenShared(const std::string& path) { return Open(path, O_RDONLY, LOCK_SH); }

int LockedFile::OpenExclusive(const std::string& path, int flags) {
  for (int attempt = 0;; ++attempt) {
    if (const int error = Open(path, flags, LOCK_EX); error != 0) return error;
    struct stat named {};
    if (attempt + 1 == kLockAttempts || (stat(path.c_str(), &named) == 0 && SameFile(named, status_))) return 0;
  }
}

int LockedFile::Open(const std::string& path, int flags, int operation) {
  Close();
  fd_ = open(path.c_str(), flags | O_CLOEXEC);
  if (fd_ < 0) return errno;
  Lock(fd_, operation);
  if (fstat(fd_, &status_) != 0) {
    const int error = errno;
    Close();
    return error;
  }
  return 0;
}

void LockedFile::Close() {
  if (fd_ >= 0) close(fd_);  // releases the lock
  fd_ = -1;
}

}  // namespace kgh::posix
