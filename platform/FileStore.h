#pragma once
// Whole-file access for the INI layer. A write replaces the file atomically: readers (the
// browser) see the old or the new content, never a mixture, and a process killed mid-write
// leaves one of the two. Where a new file could not keep the old one's owner, group or hard
// links, the file is rewritten in place with a copy of its previous content kept beside it until
// the write is complete; should the writer be killed, the store's own reads take that copy for
// the content until the next write.
// Behind an interface so that tests can inject faults and a Windows build can use its own
// replace-file call.
#include <string>
#include <string_view>

namespace kgh {

enum class ReadStatus {
  Ok,           // the file was read
  Missing,      // no file, but its folder exists: a write would create it
  Unreachable,  // the folder is missing, or a path component is not a folder
  Failed,       // it exists but cannot be read (a folder in its place, an I/O error)
};

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
};

// The running system's store.
FileStore& SystemFileStore();

// A readable description of a system error number, for messages.
std::string DescribeSystemError(int error);

}  // namespace kgh
