#include "qt/QtHelp.h"

#include <dlfcn.h>
#include <link.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include <utility>

#include "qt/HelpTopics.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtText.h"

namespace kgh::qt {

QtHelp::QtHelp()
    : QtHelp([](const QUrl& url) { QDesktopServices::openUrl(url); }, InstalledHelpFolders()) {}

QtHelp::QtHelp(UrlOpener open, QStringList page_folders)
    : open_(std::move(open)), page_folders_(std::move(page_folders)) {}

bool QtHelp::ShowHtmlHelp(const std::string&) {
  // No help engine can be called on this platform.
  return false;
}

void QtHelp::ShellOpen(const std::string& path) {
  EnsureApplication();
  const QFileInfo file(ToQ(path));
  if (file.isFile()) {
    open_(QUrl::fromLocalFile(file.absoluteFilePath()));
    return;
  }
  const QString page = HelpTopicInFront() + QStringLiteral(".html");
  for (const QString& folder : page_folders_) {
    const QFileInfo candidate(QDir(folder), page);
    if (candidate.isFile()) {
      open_(QUrl::fromLocalFile(candidate.absoluteFilePath()));
      return;
    }
  }
}

std::string ModuleDirectory() {
  Dl_info info{};
  link_map* module = nullptr;
  if (dladdr1(reinterpret_cast<const void*>(&ModuleDirectory), &info, reinterpret_cast<void**>(&module),
              RTLD_DL_LINKMAP) == 0 || module == nullptr)
    return {};
  // The program itself has no name in the loader's list (dladdr would give the name it was
  // started by, which need not be a path); the system knows where it lies.
  const QString file = module->l_name != nullptr && module->l_name[0] != '\0'
                           ? QString::fromLocal8Bit(module->l_name)
                           : QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
  return FromQ(QFileInfo(file).absolutePath());
}

QStringList InstalledHelpFolders() {
  const QDir module(ToQ(ModuleDirectory()));
  QStringList folders;
  for (const char* relative : {KGH_HELP_FROM_BINDIR, KGH_HELP_FROM_LIBDIR})
    folders << QDir::cleanPath(module.filePath(QString::fromUtf8(relative)));
  folders.removeDuplicates();
  return folders;
}

}  // namespace kgh::qt
