#include "qt/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "qt/ModalParent.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtText.h"

namespace kgh::qt {

namespace {

// Qt's own dialog, so that the checks below run wherever it is shown: in open mode it accepts
// only an existing file itself; in save mode it confirms overwriting but takes a file in a folder
// that does not exist, which the request forbids.
class CheckedFileDialog final : public QFileDialog {
 public:
  CheckedFileDialog(const FileDialogRequest& request, QWidget* parent)
      : QFileDialog(parent, ToQ(request.title), ToQ(request.initial_dir), FilterLine(request)),
        save_mode_(request.save_mode) {
    setObjectName(QStringLiteral("FileDialog"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(save_mode_ ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(save_mode_ ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Without a default suffix a name typed without extension comes back as typed.
    setDefaultSuffix(QString());
  }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (save_mode_ && !chosen.isEmpty()) {
      const QFileInfo file(chosen.first());
      if (!file.isDir() && !file.dir().exists()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("%1\nThe folder does not exist.\nCheck the path and try again.")
                                 .arg(QDir::toNativeSeparators(file.filePath())));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool save_mode_;
};

}  // namespace

QString FilterLine(const FileDialogRequest& request) {
  return ToQ(request.description) + QStringLiteral(" (") + ToQ(FilterPatterns(request)) + QStringLiteral(")");
}

std::string QtFileDialogs::ShowFileDialog(const FileDialogRequest& request) {
  EnsureApplication();
  CheckedFileDialog dialog(request, ModalParent());
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return {};
  const QString path = QDir::toNativeSeparators(chosen.first());
  // A path longer than the dialog's buffer fails the dialog: the caller sees it as a cancel.
  if (path.size() > static_cast<qsizetype>(kMaxFileDialogPath)) return {};
  return FromQ(path);
}

}  // namespace kgh::qt
