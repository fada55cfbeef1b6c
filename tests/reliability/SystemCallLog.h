#pragma once
// The file system calls this process makes on the files of one folder, in the order it makes
// them: the steps a power cut could interrupt. In the program that links SystemCallLog.cpp, its
// own code's calls to open, write, ftruncate, fsync, rename, unlink and close go through it on
// their way to the C library; they are noted only while a log is open, and only when they succeed.
#include <string>
#include <vector>

namespace kgh::test {

struct SystemCall {
  std::string call;  // "create", "write", "truncate", "fsync", "rename", "unlink", "close"
  std::string path;  // a file's name in the folder, "." for the folder itself; for "close",
                     // "(not open)": a descriptor of any file closed again
  std::string to;    // the new name, for "rename"
};

class SystemCallLog {
 public:
  // Notes the calls on `folder` (an absolute path) and the files directly in it from now on.
  explicit SystemCallLog(const std::string& folder);
  ~SystemCallLog();
  SystemCallLog(const SystemCallLog&) = delete;
  SystemCallLog& operator=(const SystemCallLog&) = delete;

  // The calls made so far; successive writes to one file count as one.
  std::vector<SystemCall> calls() const;

  // The next `call` on the folder or its files fails with `error`, without being made.
  void FailNext(const std::string& call, int error);
};

}  // namespace kgh::test
