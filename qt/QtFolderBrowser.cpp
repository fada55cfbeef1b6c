#include "qt/QtFolderBrowser.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "qt/ModalParent.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtText.h"

namespace kgh::qt {

std::string QtFolderBrowser::BrowseForFolder(const std::string& title, const std::string& default_dir) {
  EnsureApplication();
  QFileDialog dialog(ModalParent(), ToQ(title), ToQ(default_dir));
  dialog.setObjectName(QStringLiteral("FolderBrowser"));
  // Qt's own dialog everywhere, so that it behaves the same on every desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return {};
  // The platform's form: no trailing separator except for the file-system root.
  return FromQ(QDir::toNativeSeparators(QDir::cleanPath(chosen.first())));
}

}  // namespace kgh::qt
