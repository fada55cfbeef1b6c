#include "platform/DirectoryListing.h"

#include <filesystem>
#include <system_error>

#include "platform/Module1.h"

namespace kgh {
namespace {

class FileSystemListing final : public DirectoryListing {
 public:
  std::vector<DirectoryEntry> List(const std::string& directory) override {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator it(directory, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
      std::error_code kind_error;
      bool folder = it->is_directory(kind_error);  // a link to a folder counts as a folder
      entries.push_back({it->path().filename().string(), folder ? kDirectoryAttribute : 0});
    }
    return entries;
  }
};

}  // namespace

DirectoryListing& SystemDirectoryListing() {
  static FileSystemListing listing;
  return listing;
}

}  // namespace kgh
