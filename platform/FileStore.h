#pragma once
// Whole-file access for the INI layer. A write replaces the file atomically: readers (the
// browser) see the old or the new content, never a mixture, and a process killed mid-write
// leaves one of the two. Where a new file could not keep the old one's owner, group or hard
// links, the file is rewritten in place with a copy of its previous content kept beside it until
// the write is complete; should the writer be killed, the store's own reads take that copy for
// the content until the next write.
// Behind an interface so that tests can inject faults and a Windows build can use its own
// replace-file call.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kgh {

// No configuration comes near this size (a toolbar of a thousand buttons is about 120 KB, and the
// browser reads no section beyond 16 KB); a larger file, or a device that never ends, is refused
// rather than read into memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

enum class ReadStatus {
  Ok,           // the file was read
  Missing,      // no file, but its folder exists: a write would create it
  Unreachable,  // the folder is missing, or a path component is not a folder
  Failed,       // it exists but cannot be read: see the refusals below, or an I/O error
};

// The refusals of Read (status Failed) and Replace (false), as system error numbers:
//   EISDIR       a folder in the file's place;
//   ENODEV       something else that is not a regular file: a FIFO, a device, a socket (never waited on);
//   EFBIG        a file larger than kMaxFileBytes, or (Replace) content larger than that;
//   EWOULDBLOCK  (Replace) another program holds the file's lock, and has not let go of it within
//                kLockWaitSeconds.
// On Windows they are the system's own: ERROR_ACCESS_DENIED for a folder, ERROR_BAD_DEVICE,
// ERROR_FILE_TOO_LARGE; the system's sharing rules stand in for the lock.
inline constexpr int kLockWaitSeconds = 3;

class FileStore {
 public:
  virtual ~FileStore() = default;

  // Reads the whole file into `bytes`. On anything but Ok, `bytes` is empty and `error`
  // holds the system error number.
  virtual ReadStatus Read(const std::string& path, std::string& bytes, int& error) = 0;

  // Replaces the file's content with `bytes`, creating the file when it is missing.
  // A file reached through a symbolic link stays a link; its target gets the new content.
  // The file keeps its owner, group, permission bits and hard links. Returns false with `error`
  // set when nothing changed.
  virtual bool Replace(const std::string& path, std::string_view bytes, int& error) = 0;

  // Whether Read answers for the file from the copy a killed rewrite left beside it, the file
  // itself being torn: a write must then replace the file even when it changes nothing.
  virtual bool NeedsRepair(const std::string& path) {
    (void)path;
    return false;
  }

  // Files beside the file that are named like this store's safety copies but that it does not
  // trust (another owner, not a regular file, no proof that a write of this file made them):
  // they are never read, and a configuration check names them.
  virtual std::vector<std::string> UntrustedCopies(const std::string& path) {
    (void)path;
    return {};
  }
};

// The running system's store.
FileStore& SystemFileStore();

// A readable description of a system error number, for messages.
std::string DescribeSystemError(int error);

}  // namespace kgh
