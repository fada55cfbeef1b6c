#include "qt/QtHelp.h"

#include <dlfcn.h>

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "qt/QtApplicationGuard.h"
#include "qt/QtText.h"

namespace kgh::qt {

bool QtHelp::ShowHtmlHelp(const std::string&) {
  // No help engine can be called on this platform.
  return false;
}

void QtHelp::ShellOpen(const std::string& path) {
  const QFileInfo file(ToQ(path));
  if (!file.isFile()) return;
  EnsureApplication();
  QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

std::string ModuleDirectory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<const void*>(&ModuleDirectory), &info) == 0 || info.dli_fname == nullptr) return {};
  return FromQ(QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath());
}

}  // namespace kgh::qt
