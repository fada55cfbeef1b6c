#pragma once
// Help on Windows: the component's HTML help file through the system's help engine; without that
// file, the HTML page about the dialog in front, from the "help" folder beside it, through the
// shell. Each dialog names its page on its window.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/HelpService.h"

namespace kgh::win32 {

// Names the help page (a file name without ".html") that belongs to `window` and the windows it
// owns without a page of their own.
void SetHelpTopic(HWND window, const char* page);

class Win32Help final : public HelpService {
 public:
  using Opener = std::function<void(const std::string& path)>;
  // Opens files with the program the shell associates with them.
  Win32Help();
  // Opens files with `open`.
  explicit Win32Help(Opener open);

  // False, so that the caller turns to ShellOpen, when there is no help file at `path` or no engine.
  bool ShowHtmlHelp(const std::string& path) override;
  // `path` when it is a file; otherwise the page of the window in front from the "help" folder
  // beside `path`, or that folder's index.
  void ShellOpen(const std::string& path) override;

 private:
  Opener open_;
};

}  // namespace kgh::win32
