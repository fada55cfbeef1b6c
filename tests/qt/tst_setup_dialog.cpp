// The public class with the Qt front-end: the dialog opens on a file made from the template, the
// user edits through the widgets, and OK writes exactly what the form saves for those edits;
// Cancel leaves the file untouched.
#include "QtFakes.h"
#include "component/SetupOrvex.h"
#include "options/frmOrvexOptions.h"
#include "qt/QtFormHost.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

// The user's session: home page, "Start maximized" off, the Mozilla engine, a user button Docs
// and the domain intranet.example.
void EditEverything(QWidget* dialog) {
  auto* home = Child<QLineEdit>(dialog, "txtHome");
  home->setFocus();
  home->selectAll();
  QTest::keyClicks(home, "http://devbox:8080/index.htm");
  ClickTab(dialog, 3);
  // On the box itself: a check box stretched across its frame reacts only to its box and text.
  auto* maximized = Child<QCheckBox>(dialog, "cbMaximized");
  QTest::mouseClick(maximized, Qt::LeftButton, {}, QPoint(8, maximized->height() / 2));
  auto* engine = Child<QComboBox>(dialog, "cmbBrowserType");
  engine->setFocus();
  QTest::keyClick(engine, Qt::Key_Home);
  ClickTab(dialog, 2);
  AddButton(dialog, "Docs", "docs.htm");
  ClickTab(dialog, 1);
  WhenModal("dlgDomain", [](QWidget* domain_dialog) {
    QTest::keyClicks(Child<QComboBox>(domain_dialog, "cmbDomain"), "intranet.example");
    QTest::keyClick(Child<QComboBox>(domain_dialog, "cmbDomain"), Qt::Key_Return);
  });
  ClickOn(dialog, "cmdDomainOp(1)");
}

class SetupDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseApplication();
    std::filesystem::create_directories(root);
    component =
        std::make_unique<SetupOrvex>(ComponentServices{.options = {.messages = &messages}, .forms = &host});
    ASSERT_TRUE(component->CreateStartFile(config, "start.htm"));
  }

  TempDir dir;
  std::string root = (dir.path() / "web").string();
  std::string config = dir.File("Orvex.INI");
  ScriptedMessageBoxes messages;
  qt::QtFormHost host;
  std::unique_ptr<SetupOrvex> component;
};

TEST_F(SetupDialogTest, OkWritesTheEditsMadeThroughTheWidgets) {
  // The same edits made on the form's data directly, saved by the form.
  const std::string expected = dir.File("expected.ini");
  WriteBytes(expected, ReadBytes(config));
  frmOrvexOptions form;
  form.Start(root, expected, "devbox:8080");
  form.txtHome.text = "http://devbox:8080/index.htm";
  form.cbSwitch[SwitchIndex("cbMaximized")].value = 0;
  form.cmbBrowserType.list_index = 0;
  form.lstButtons.rows.push_back(UserButtonRow("Docs", "docs.htm", ""));
  form.lstDomains.items.push_back("intranet.example");
  form.cmdOK_Click();

  WhenModal("frmOrvexOptions", [](QWidget* dialog) {
    EditEverything(dialog);
    ClickOn(dialog, "cmdOK");
  });
  component->SetupOrvexEx(nullptr, root, config, "devbox:8080/");
  const std::string bytes = ReadBytes(config);
  for (const char* line : {"Homepage=http://devbox:8080/index.htm\r\n", "FullScreen=0\r\n", "BrowserEngine=1\r\n",
                           "User1=docs.htm\r\n", "Caption=Docs\r\n", "res:\r\nintranet.example\r\n"})
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
  EXPECT_EQ(bytes, ReadBytes(expected));
}


TEST_F(SetupDialogTest, CancelLeavesTheFileByteForByte) {
  const std::string before = ReadBytes(config);
  WhenModal("frmOrvexOptions", [](QWidget* dialog) {
    EditEverything(dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  component->SetupOrvexEx(nullptr, root, config, "devbox:8080");
  EXPECT_EQ(ReadBytes(config), before);
}

}  // namespace
}  // namespace kgh::test
