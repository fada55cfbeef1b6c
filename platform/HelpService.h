#pragma once
// Showing the component's help file. Two routes, tried in order by the caller: the platform's
// HTML help engine, then the shell's "open" when the engine cannot even be called.
#include <string>

namespace kgh {

class HelpService {
 public:
  virtual ~HelpService() = default;
  // Asks the help engine for the default topic of `path`. False only when the engine itself
  // could not be called; whatever the engine answers once called counts as true.
  virtual bool ShowHtmlHelp(const std::string& path) = 0;
  // Opens `path` with the program the shell associates with it; errors are not reported.
  virtual void ShellOpen(const std::string& path) = 0;
};

}  // namespace kgh
