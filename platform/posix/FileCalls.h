#pragma once
// The POSIX calls the file store is built from, made whole: reads and writes that survive short
// transfers and signals, folder flushes, and a file held open under an advisory lock that is
// waited for only so long.
#include <sys/stat.h>

#include <chrono>
#include <string>
#include <string_view>

namespace kgh::posix {

std::string ParentOf(const std::string& path);
std::string NameOf(const std::string& path);

// Follows symbolic links, so that a write lands beside and in the real file, not the link.
// A dangling link resolves to where it points.
std::string ResolveLinks(std::string path);

// Reads from the descriptor's position to the end, at most `limit` bytes: false with errno set
// on failure, EFBIG when there is more.
bool ReadToEnd(int fd, std::string& bytes, std::size_t limit);

// 0 when `st` is a regular file of at most `limit` bytes, else the refusal: EISDIR for a folder,
// ENODEV for anything else that is no regular file, EFBIG for a larger file.
int RefusalOf(const struct stat& st, std::size_t limit);

// Writes at the descriptor's position; false with errno set on failure.
bool WriteAll(int fd, std::string_view bytes);

// Makes `bytes` the file's whole content in place (from the start, cut to their length) and
// flushes it; false with errno set on failure.
bool OverwriteAndFlush(int fd, std::string_view bytes);

// A rename or unlink must survive a power cut too.
void SyncFolderOf(const std::string& path);

// An open regular file under a flock: shared while it is read, exclusive while it is changed.
// The lock is advisory: it orders this store's readers and writers, not other programs, and
// anyone who may read the file may take it. So it is waited for only so long.
class LockedFile {
 public:
  LockedFile() = default;
  ~LockedFile();
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  // Opens `path` read-only, refusing what is no regular file (see RefusalOf) without waiting on
  // it, and tries for a shared lock for up to `wait`. 0, or the system error number; a lock not
  // had in time is no error: see locked().
  int OpenShared(const std::string& path, std::chrono::milliseconds wait);
  // Opens the regular file `path` with `flags` and takes an exclusive lock on the file that the
  // name still leads to once the lock is held: a rename may have put another file there while
  // this one waited. 0, the system error number, or EWOULDBLOCK when the lock was not had
  // within `wait`.
  int OpenExclusive(const std::string& path, int flags, std::chrono::milliseconds wait);

  int fd() const { return fd_; }
  bool locked() const { return locked_; }
  // The file's status when it was opened.
  const struct stat& status() const { return status_; }

 private:
  int Open(const std::string& path, int flags);
  void Close();

  int fd_ = -1;
  bool locked_ = false;
  struct stat status_ {};
};

}  // namespace kgh::posix
