#pragma once
// The folder browser: directories only, opening on the folder the caller preselects.
#include "platform/CBrowseFolder.h"

namespace kgh::qt {

class QtFolderBrowser final : public FolderBrowserService {
 public:
  std::string BrowseForFolder(const std::string& title, const std::string& default_dir) override;
};

}  // namespace kgh::qt
