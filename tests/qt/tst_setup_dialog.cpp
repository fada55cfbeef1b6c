// The public class with the Qt front-end: the dialog opens on a file made from the template, the
// user edits through the widgets, and OK writes exactly what the form saves for those edits;
// Cancel leaves the file untouched.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <filesystem>

#include "QtFakes.h"
#include "component/SetupOrvex.h"
#include "options/frmOrvexOptions.h"
#include "qt/QtFormHost.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

template <typename W>
W* Child(QWidget* dialog, const char* name) {
  W* widget = dialog->findChild<W*>(QString::fromUtf8(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

void ClickTab(QWidget* dialog, int index) {
  auto* tabs = Child<QTabBar>(dialog, "tbsOptions");
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void Click(QWidget* dialog, const char* name) { QTest::mouseClick(Child<QPushButton>(dialog, name), Qt::LeftButton); }

void ReplaceText(QLineEdit* box, const char* text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
}

// The user's session: home page, "Start maximized" off, the Mozilla engine, a user button Docs
// and the domain intranet.example.
void EditEverything(QWidget* dialog) {
  ReplaceText(Child<QLineEdit>(dialog, "txtHome"), "http://devbox:8080/index.htm");

  ClickTab(dialog, 3);
  // On the box itself: a check box stretched across its frame reacts only to its box and text.
  auto* maximized = Child<QCheckBox>(dialog, "cbMaximized");
  QTest::mouseClick(maximized, Qt::LeftButton, {}, QPoint(8, maximized->height() / 2));
  auto* engine = Child<QComboBox>(dialog, "cmbBrowserType");
  engine->setFocus();
  QTest::keyClick(engine, Qt::Key_Home);

  ClickTab(dialog, 2);
  WhenModal("dlgButton", [](QWidget* button_dialog) {
    QTest::keyClicks(Child<QLineEdit>(button_dialog, "txtCaption"), "Docs");
    QTest::keyClicks(Child<QLineEdit>(button_dialog, "txtURL"), "docs.htm");
    Click(button_dialog, "OKButton");
  });
  Click(dialog, "cmdButtonOp(1)");

  ClickTab(dialog, 1);
  WhenModal("dlgDomain", [](QWidget* domain_dialog) {
    QTest::keyClicks(Child<QComboBox>(domain_dialog, "cmbDomain"), "intranet.example");
    QTest::keyClick(Child<QComboBox>(domain_dialog, "cmbDomain"), Qt::Key_Return);
  });
  Click(dialog, "cmdDomainOp(1)");
}

// The same edits made on the form's data directly, saved by the form.
void SaveSameEditsHeadless(const std::string& root, const std::string& config) {
  frmOrvexOptions form;
  form.Start(root, config, "devbox:8080");
  form.txtHome.text = "http://devbox:8080/index.htm";
  form.cbMaximized.value = 0;
  form.cmbBrowserType.list_index = 0;
  form.lstButtons.rows.push_back(UserButtonRow("Docs", "docs.htm", ""));
  form.lstDomains.items.push_back("intranet.example");
  form.cmdOK_Click();
}

class SetupDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseApplication();
    root = (dir.path() / "web").string();
    std::filesystem::create_directories(root);
    config = dir.File("Orvex.INI");
    ComponentServices services;
    services.messages = &messages;
    services.forms = &host;
    component = std::make_unique<SetupOrvex>(services);
    ASSERT_TRUE(component->CreateStartFile(config, "start.htm"));
  }

  TempDir dir;
  std::string root;
  std::string config;
  FakeMessageBoxes messages;
  qt::QtFormHost host;
  std::unique_ptr<SetupOrvex> component;
};

TEST_F(SetupDialogTest, OkWritesTheEditsMadeThroughTheWidgets) {
  const std::string expected_file = dir.File("expected.ini");
  WriteBytes(expected_file, ReadBytes(config));
  SaveSameEditsHeadless(root, expected_file);

  WhenModal("frmOrvexOptions", [](QWidget* dialog) {
    EditEverything(dialog);
    Click(dialog, "cmdOK");
  });
  component->SetupOrvexEx(nullptr, root, config, "devbox:8080/");

  const std::string bytes = ReadBytes(config);
  EXPECT_NE(bytes.find("Homepage=http://devbox:8080/index.htm\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("FullScreen=0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("BrowserEngine=1\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("User1=docs.htm\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Caption=Docs\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("res:\r\nintranet.example\r\n"), std::string::npos);
  EXPECT_EQ(bytes, ReadBytes(expected_file));
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
