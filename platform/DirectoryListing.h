#pragma once
// The entries of one folder in the order the platform's directory enumeration yields them,
// unsorted: callers that take "the first match" depend on exactly that order.
#include <cstdint>
#include <string>
#include <vector>

namespace kgh {

struct DirectoryEntry {
  std::string name;        // the long file name
  int32_t attributes = 0;  // kDirectoryAttribute (0x10) marks a folder
};

class DirectoryListing {
 public:
  virtual ~DirectoryListing() = default;
  // The folder's entries; empty when it does not exist or cannot be read.
  virtual std::vector<DirectoryEntry> List(const std::string& directory) = 0;
};

// The running system's enumeration, through std::filesystem.
DirectoryListing& SystemDirectoryListing();

}  // namespace kgh
