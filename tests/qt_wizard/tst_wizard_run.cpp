// The whole wizard through its Qt window, as the public class runs it: what the caller gets
// back and the file written when the user builds an empty configuration, and nothing when the
// user cancels.
#include "QtFakes.h"
#include "WizardFakes.h"
#include "qt/QtFileDialogs.h"
#include "qt/wizard/WizardDialog.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

// The real folder listing, files and options dialog's opener; scripted dialogs and computer name.
struct RunRig {
  RunRig() { UseApplication(); }
  std::string Run(FileDialogService* file_dialogs = nullptr) {
    qt::WizardQtOptions options;
    options.services.file_dialogs = file_dialogs != nullptr ? file_dialogs : &dialogs;
    options.services.messages = &messages;
    options.services.computer_name = &platform;
    options.services.flavour = PathFlavour::Posix;
    return qt::RunWizardDialog(opener, options);
  }
  TempDir dir;
  ScriptedFileDialogs dialogs;
  ScriptedMessageBoxes messages;
  ScriptedPlatform platform;
  RecordingOpener opener{ComponentServices{}};
};

TEST(RunWizardDialog, AnEmptyConfigurationIsWrittenOpenedAndReturned) {
  RunRig rig;
  rig.platform.computer = "KIOSK";
  WriteBytes(rig.dir.File("index.htm"), "<html></html>");
  const std::string config = rig.dir.File("kiosk.ini");
  rig.dialogs.choices = {config};
  WhenModal("frmWizard", [](QWidget* wizard) {
    ClickOn(wizard, "cmdNav(3)");
    ClickOn(wizard, "cmdEmptyApp");
  });

  EXPECT_EQ(rig.Run(), config);
  EXPECT_EQ(ReadBytes(config), ExpectedFile("http://KIOSK/index.htm", "KIOSK"));
  EXPECT_TRUE(rig.dialogs.requests.at(0).save_mode);
  EXPECT_EQ(rig.opener.opened, std::vector<std::string>{rig.dir.path().string() + " " + config + " KIOSK"});
}

TEST(RunWizardDialog, CancellingReturnsNothingAndWritesNothing) {
  const std::pair<const char*, std::function<void(QWidget*)>> cases[] = {
      {"Cancel on the introduction", [](QWidget* wizard) { ClickOn(wizard, "cmdNav(1)"); }},
      {"save dialog cancelled, then Cancel",
       [](QWidget* wizard) {
         ClickOn(wizard, "cmdNav(3)");
         ClickOn(wizard, "cmdEmptyApp");
         EXPECT_TRUE(wizard->isVisible()) << "still open on the page the user chose from";
         ClickOn(wizard, "cmdNav(1)");
       }},
  };
  for (const auto& [what, user] : cases) {
    SCOPED_TRACE(what);
    RunRig rig;
    rig.dialogs.choices = {""};
    WhenModal("frmWizard", user);
    EXPECT_EQ(rig.Run(), "");
    EXPECT_TRUE(rig.opener.opened.empty());
    EXPECT_TRUE(ListFiles(rig.dir.path()).empty());
  }
}

TEST(RunWizardDialog, AFileInAFolderThatDoesNotExistIsNotOfferedToTheWizard) {
  RunRig rig;
  qt::QtFileDialogs real_dialogs;
  QString refusal;
  WhenModal("frmWizard", [&rig, &refusal](QWidget* wizard) {
    WhenModal("FileDialog", [&rig, &refusal](QWidget* dialog) {
      auto* name = Child<QLineEdit>(dialog, "fileNameEdit");
      WhenMessageBox([&refusal](QMessageBox* box) {
        refusal = box->text();
        QTest::keyClick(box, Qt::Key_Return);
      });
      QTest::keyClicks(name, QString::fromStdString(rig.dir.File("missing/kiosk.ini")));
      QTest::keyClick(name, Qt::Key_Return);
      EXPECT_TRUE(dialog->isVisible());
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    ClickOn(wizard, "cmdNav(3)");
    ClickOn(wizard, "cmdEmptyApp");
    EXPECT_TRUE(wizard->isVisible()) << "the wizard stays on its page";
    ClickOn(wizard, "cmdNav(1)");
  });
  EXPECT_EQ(rig.Run(&real_dialogs), "");
  EXPECT_TRUE(refusal.contains("does not exist")) << refusal.toStdString();
  EXPECT_TRUE(rig.opener.opened.empty());
  EXPECT_TRUE(rig.messages.shown.empty()) << "no failed writes to report";
  EXPECT_TRUE(ListFiles(rig.dir.path()).empty());
}

}  // namespace
}  // namespace kgh::test
