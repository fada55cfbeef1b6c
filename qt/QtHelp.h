#pragma once
// The help file. There is no HTML help engine here, so the caller's second route, the shell's
// "open", does the work: the desktop's viewer for the file, or nothing when the file is missing.
#include <string>

#include "platform/HelpService.h"

namespace kgh::qt {

class QtHelp final : public HelpService {
 public:
  bool ShowHtmlHelp(const std::string& path) override;
  void ShellOpen(const std::string& path) override;
};

// The folder of the module (executable or shared library) this code was linked into: where the
// component's help file lies.
std::string ModuleDirectory();

}  // namespace kgh::qt
