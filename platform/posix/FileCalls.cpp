#include "platform/posix/FileCalls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace kgh::posix {
namespace {

constexpr int kMaxLinkDepth = 40;
// Renames that swap the file under a waiting writer are rare; give up waiting for a stable name
// after this many and write the last file locked, as an unlocked store would.
constexpr int kLockAttempts = 16;

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Tries for the lock until `wait` has passed. The holder may be a user who only reads the file,
// or a process that was stopped: nobody waits for either for good. A file system without locks
// counts as locked, as before locks existed.
bool Lock(int fd, int operation, std::chrono::milliseconds wait) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + wait;
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    if (flock(fd, operation | LOCK_NB) == 0) return true;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds(50));
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

bool ReadToEnd(int fd, std::string& bytes, std::size_t limit) {
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
    bytes.reserve(std::min(static_cast<std::size_t>(st.st_size), limit));
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (static_cast<std::size_t>(n) > limit - std::min(limit, bytes.size())) {
      errno = EFBIG;  // the file grew past the limit since it was looked at
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

int RefusalOf(const struct stat& st, std::size_t limit) {
  if (S_ISDIR(st.st_mode)) return EISDIR;
  if (!S_ISREG(st.st_mode)) return ENODEV;
  return static_cast<std::size_t>(st.st_size) > limit ? EFBIG : 0;
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

int LockedFile::OpenShared(const std::string& path, std::chrono::milliseconds wait) {
  if (const int error = Open(path, O_RDONLY); error != 0) return error;
  locked_ = Lock(fd_, LOCK_SH, wait);
  return 0;
}

int LockedFile::OpenExclusive(const std::string& path, int flags, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (int attempt = 0;; ++attempt) {
    if (const int error = Open(path, flags); error != 0) return error;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (!Lock(fd_, LOCK_EX, std::max(left, std::chrono::milliseconds(0)))) {
      Close();
      return EWOULDBLOCK;
    }
    locked_ = true;
    struct stat named {};
    if (attempt + 1 == kLockAttempts || (stat(path.c_str(), &named) == 0 && SameFile(named, status_))) return 0;
  }
}

// Opens without waiting on a FIFO or a device, and refuses them before anything is read.
int LockedFile::Open(const std::string& path, int flags) {
  Close();
  fd_ = open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) return errno == ENXIO ? ENODEV : errno;  // ENXIO: a socket, or a FIFO nobody reads
  int error = fstat(fd_, &status_) != 0 ? errno : RefusalOf(status_, static_cast<std::size_t>(-1));
  if (error == 0 && fcntl(fd_, F_SETFL, flags) != 0) error = errno;
  if (error != 0) Close();
  return error;
}

void LockedFile::Close() {
  if (fd_ >= 0) close(fd_);  // releases the lock
  fd_ = -1;
  locked_ = false;
}

}  // namespace kgh::posix
