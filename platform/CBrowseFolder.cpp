#include "platform/CBrowseFolder.h"

#include "platform/Module1.h"

namespace kgh {

std::string CBrowseFolder::BrowseForFolder(const void*, const std::string& DefaultDir) {
  PendingBrowseFolder = DefaultDir;
  if (browser_ == nullptr) return {};
  return browser_->BrowseForFolder(kBrowseFolderTitle, PendingBrowseFolder);
}

}  // namespace kgh
