#pragma once
// The POSIX calls the file store is built from, made whole: reads and writes that survive short
// transfers and signals, folder flushes, and a file held open under an advisory lock.
#include <sys/stat.h>

#include <string>
#include <string_view>

namespace kgh::posix {

std::string ParentOf(const std::string& path);
std::string NameOf(const std::string& path);

// Follows symbolic links, so that a write lands beside and in the real file, not the link.
// A dangling link resolves to where it points.
std::string ResolveLinks(std::string path);

// Reads from the descriptor's position to the end; false with errno set on failure.
bool ReadToEnd(int fd, std::string& bytes);
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Writes at the descriptor's position; false with errno set on failure.
bool WriteAll(int fd, std::string_view bytes);

// Makes `bytes` the file's whole content in place (from the start, cut to their length) and
// flushes it; false with errno set on failure.
bool OverwriteAndFlush(int fd, std::string_view bytes);

// A rename or unlink must survive a power cut too.
void SyncFolderOf(const std::string& path);

// An open file under a flock: shared while it is read, exclusive while it is changed. The lock
// is advisory: it orders this store's readers and writers, not other programs.
class LockedFile {
 public:
  LockedFile() = default;
  ~LockedFile();
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  // Opens `path` read-only and waits for a shared lock. 0, or the system error number.
  int OpenShared(const std::string& path);
  // Opens `path` with `flags` and waits for an exclusive lock on the file that the name still
  // leads to once the lock is held: a rename may have put another file there while this one
  // waited. 0, or the system error number.
  int OpenExclusive(const std::string& path, int flags);

  int fd() const { return fd_; }
  // The locked file's status when it was locked.
  const struct stat& status() const { return status_; }

 private:
  int Open(const std::string& path, int flags, int operation);
  void Close();

  int fd_ = -1;
  struct stat status_ {};
};

}  // namespace kgh::posix
