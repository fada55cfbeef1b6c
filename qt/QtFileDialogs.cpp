#include "qt/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "qt/ModalParent.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtText.h"

namespace kgh::qt {

QString FilterLine(const FileDialogRequest& request) {
  return ToQ(request.description) + QStringLiteral(" (") + ToQ(FilterPatterns(request)) + QStringLiteral(")");
}

std::string QtFileDialogs::ShowFileDialog(const FileDialogRequest& request) {
  EnsureApplication();
  QFileDialog dialog(ModalParent(), ToQ(request.title), ToQ(request.initial_dir), FilterLine(request));
  dialog.setAcceptMode(request.save_mode ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save_mode ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // Without a default suffix a name typed without extension comes back as typed.
  dialog.setDefaultSuffix(QString());
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::string() : FromQ(chosen.first());
}

}  // namespace kgh::qt
