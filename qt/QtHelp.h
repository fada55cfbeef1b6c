#pragma once
// Help. There is no HTML help engine here, so the caller's second route, the shell's "open", does
// the work: the platform's help file with the desktop's viewer when one lies beside the
// component, and otherwise the HTML page about the dialog on screen, in the desktop's browser.
#include <QStringList>
#include <QUrl>

#include <functional>
#include <string>

#include "platform/HelpService.h"

namespace kgh::qt {

class QtHelp final : public HelpService {
 public:
  using UrlOpener = std::function<void(const QUrl&)>;
  // The desktop's browser, on the pages installed with the component.
  QtHelp();
  // `open` shows an address; the pages are looked for in `page_folders`, first match wins.
  QtHelp(UrlOpener open, QStringList page_folders);

  bool ShowHtmlHelp(const std::string& path) override;
  void ShellOpen(const std::string& path) override;

 private:
  UrlOpener open_;
  QStringList page_folders_;
};

// The folder of the module (executable or shared library) this code was linked into: where the
// component's help file lies.
std::string ModuleDirectory();

// Where the help pages are installed, seen from the module's folder: beside a program or beside
// the library, in the build tree as once installed.
QStringList InstalledHelpFolders();

}  // namespace kgh::qt
