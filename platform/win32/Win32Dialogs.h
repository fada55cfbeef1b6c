#pragma once
// The system's own common dialogs: the open and save file dialogs and the folder browser. Each is modal to the window that is active on the calling
// thread when it opens.
#include "platform/CBrowseFolder.h"
#include "platform/Module1.h"

namespace kgh::win32 {

class Win32FileDialogs final : public FileDialogService {
 public:
  std::string ShowFileDialog(const FileDialogRequest& request) override;
};

class Win32FolderBrowser final : public FolderBrowserService {
 public:
  std::string BrowseForFolder(const std::string& title, const std::string& default_dir) override;
};

}  // namespace kgh::win32
