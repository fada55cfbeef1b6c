// Pictures of the dialogs for the documentation: each page of the options dialog and both entry
// dialogs, on a sample configuration, saved as PNG files into the folder given.
#include <QApplication>
#include <QDir>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "component/SetupOrvex.h"
#include "options/OptionsDialogHost.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "options/frmOrvexOptions.h"
#include "qt/EntryDialogView.h"
#include "qt/OptionsDialogView.h"

namespace {

using namespace kgh;

bool Save(QWidget& widget, const QDir& out, const char* name) {
  widget.show();
  if (!QTest::qWaitForWindowExposed(&widget)) return false;
  QApplication::processEvents();
  const QString file = out.filePath(QString::fromUtf8(name));
  const bool saved = widget.grab().save(file);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
  return saved;
}

// Shows the domain dialog just long enough to take its picture.
class PictureHost final : public OptionsDialogHost {
 public:
  explicit PictureHost(const QDir& out) : out_(out) {}
  void ShowModal(dlgButton&) override {}
  void ShowModal(dlgDomain& dialog) override {
    qt::DomainDialogView view(dialog, nullptr);
    ok = Save(view, out_, "domain-dialog.png");
  }
  bool SetFocus(const forms::Control&) override { return false; }
  bool ok = false;

 private:
  QDir out_;
};

// The template with a user button that has a sub-entry, and two domains more.
std::string SampleConfiguration(const QTemporaryDir& dir) {
  const std::string path = QDir(dir.path()).filePath(QStringLiteral("Orvex.INI")).toStdString();
  SetupOrvex().CreateStartFile(path, "http://intranet:8080/default.asp");
  frmOrvexOptions form;
  form.Start(dir.path().toStdString(), path, "intranet:8080");
  form.lstButtons.rows.push_back(UserButtonRow("Catalogue", "http://intranet:8080/catalogue.asp", ""));
  form.lstButtons.rows.push_back(SubEntryRow("Offers", "http://intranet:8080/offers.asp"));
  form.lstDomains.items.push_back("http://192.168.*.*");
  form.lstDomains.items.push_back("http://intranet:8080/");
  form.cmdOK_Click();
  return path;
}

bool OptionsPages(const QDir& out, const std::string& root, const std::string& config) {
  frmOrvexOptions form;
  form.Start(root, config, "intranet:8080");
  qt::OptionsDialogView view(form);
  const char* names[] = {"options-general.png", "options-domains.png", "options-toolbar.png", "options-other.png"};
  bool ok = true;
  for (int page = 0; page < 4; ++page) {
    view.findChild<QTabBar*>(QStringLiteral("tbsOptions"))->setCurrentIndex(page);
    ok = Save(view, out, names[page]) && ok;
  }
  return ok;
}

bool ButtonDialog(const QDir& out, const std::string& root) {
  dlgButton dialog;
  dialog.RootDir = root;
  dialog.DefServer = "intranet:8080";
  dialog.ButtonType = kUserButton;
  dialog.ButtonCaption = "Catalogue";
  dialog.ButtonURL = "http://intranet:8080/catalogue.asp";
  dialog.ButtonBitmap = "http://intranet:8080/img/catalogue.bmp";
  dialog.Start();
  qt::ButtonDialogView view(dialog, nullptr);
  return Save(view, out, "button-dialog.png");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir work;
  const std::string root = work.path().toStdString();
  const std::string config = SampleConfiguration(work);
  bool ok = OptionsPages(out, root, config);
  ok = ButtonDialog(out, root) && ok;
  PictureHost host(out);
  dlgDomain domain;
  domain.Start(host, "http://intranet:8080/");
  return ok && host.ok ? 0 : 1;
}
