#pragma once
// The folder picker: lets the user choose one existing directory, opening on a given folder.
// The front-end supplies the browser itself; the folder to preselect travels through the
// per-thread PendingBrowseFolder of Module1, as the platform's browse callback expects.
#include <string>

namespace kgh {

class FolderBrowserService {
 public:
  virtual ~FolderBrowserService() = default;
  // Shows the browser modally with `title` above the tree and `default_dir` selected (when it
  // names a folder). Returns the chosen directory's full path, no trailing separator except for
  // a drive or file-system root, or "" when the user cancelled.
  virtual std::string BrowseForFolder(const std::string& title, const std::string& default_dir) = 0;
};

inline constexpr const char* kBrowseFolderTitle = "Select application directory";

class CBrowseFolder {
 public:
  explicit CBrowseFolder(FolderBrowserService* browser) : browser_(browser) {}

  // `TheParent` is the owner form; the front-end's browser knows its own owner, so it is only
  // accepted. Returns the chosen directory or "" (also when no browser is available).
  std::string BrowseForFolder(const void* TheParent, const std::string& DefaultDir);

 private:
  FolderBrowserService* browser_;
};

}  // namespace kgh
