#pragma once
// The system's own common dialogs and help: the open and save file dialogs, the folder browser,
// HTML help with the shell as fallback. Each is modal to the window that is active on the calling
// thread when it opens.
#include "platform/CBrowseFolder.h"
#include "platform/HelpService.h"
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

class Win32Help final : public HelpService {
 public:
  bool ShowHtmlHelp(const std::string& path) override;
  void ShellOpen(const std::string& path) override;
};

}  // namespace kgh::win32
