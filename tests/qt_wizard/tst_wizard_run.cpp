// The whole wizard through its Qt window, as the public class runs it: what the caller gets
// back and the file written when the user builds an empty configuration, and nothing when the
// user cancels.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <filesystem>

#include "QtFakes.h"
#include "WizardViewRig.h"
#include "qt/wizard/WizardDialog.h"
#include "resources/Resources.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

// The template with its home page set and [Domains] rewritten with the computer's six entries.
std::string ExpectedFile(const std::string& homepage, const std::string& computer) {
  std::string text(resources::ConfigurationTemplate());
  const std::string domains = "[Domains]\r\n";
  text.erase(text.find(domains));
  text.insert(text.find("[Toolbar]"), "Homepage=" + homepage + "\r\n");
  return text + domains + "javascript:\r\nmailto:\r\nres:\r\nabout:\r\nhttp://" + computer + "\r\nhttps://" +
         computer + "\r\n";
}

// The wizard's services for a run: the real folder listing and INI files, a fixed computer
// name, and file dialogs that answer from a script.
struct RunRig {
  RunRig() { UseApplication(); }

  qt::WizardQtOptions Options() {
    qt::WizardQtOptions options;
    options.services.file_dialogs = &dialogs;
    options.services.messages = &messages;
    options.services.computer_name = &computer;
    options.services.flavour = PathFlavour::Posix;
    return options;
  }

  TempDir dir;
  ScriptedFileDialogs dialogs;
  RecordingMessages messages;
  FixedComputerName computer{"KIOSK"};
  RecordingOpener opener{ComponentServices{}};
};

TEST(RunWizardDialog, AnEmptyConfigurationIsWrittenOpenedAndReturned) {
  RunRig rig;
  WriteBytes(rig.dir.File("index.htm"), "<html></html>");
  const std::string config = rig.dir.File("kiosk.ini");
  rig.dialogs.answers = {config};
  WhenModal("frmWizard", [](QWidget* wizard) {
    Click(wizard, "cmdNav(3)");
    Click(wizard, "cmdEmptyApp");
  });

  const std::string returned = qt::RunWizardDialog(rig.opener, rig.Options());

  EXPECT_EQ(returned, config);
  EXPECT_EQ(ReadBytes(config), ExpectedFile("http://KIOSK/index.htm", "KIOSK"));
  ASSERT_EQ(rig.dialogs.requests.size(), 1u);
  EXPECT_EQ(rig.dialogs.requests[0].title, "Save Orvex config file");
  EXPECT_TRUE(rig.dialogs.requests[0].save_mode);
  ASSERT_EQ(rig.opener.opened.size(), 1u);
  EXPECT_EQ(rig.opener.opened[0].root, rig.dir.path().string());
  EXPECT_EQ(rig.opener.opened[0].target, config);
  EXPECT_EQ(rig.opener.opened[0].server, "KIOSK");
}

TEST(RunWizardDialog, CancellingReturnsNothingAndWritesNothing) {
  struct Case {
    const char* what;
    std::function<void(QWidget*)> user;
  };
  const Case cases[] = {
      {"Cancel on the introduction", [](QWidget* wizard) { Click(wizard, "cmdNav(1)"); }},
      {"Esc on Step 2",
       [](QWidget* wizard) {
         Click(wizard, "cmdNav(3)");
         Click(wizard, "cmdNav(3)");
         QTest::keyClick(wizard, Qt::Key_Escape);
       }},
      {"save dialog cancelled, then Cancel",
       [](QWidget* wizard) {
         Click(wizard, "cmdNav(3)");
         Click(wizard, "cmdEmptyApp");
         // Still open on the page the user chose from.
         EXPECT_TRUE(wizard->isVisible());
         EXPECT_EQ(wizard->windowTitle().toStdString(), "Pallix Browser Configuration Wizard - Step 1");
         Click(wizard, "cmdNav(1)");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RunRig rig;
    WhenModal("frmWizard", c.user);
    EXPECT_EQ(qt::RunWizardDialog(rig.opener, rig.Options()), "");
    EXPECT_TRUE(rig.opener.opened.empty());
    EXPECT_TRUE(ListFiles(rig.dir.path()).empty());
  }
}

}  // namespace
}  // namespace kgh::test
