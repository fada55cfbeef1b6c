// The button properties dialog on screen: the kind list greys the user fields, OK stays open
// until the form accepts, the browse button fills the address, Return confirms.
#include "QtFakes.h"
#include "options/dlgButton.h"
#include "qt/EntryDialogView.h"
#include "qt/QtFileDialogs.h"
#include "support/Fakes.h"

namespace kgh::test {
namespace {

TEST(ButtonDialogView, KindKeysGreyTheUserFieldsOkWaitsForTheFormBrowseFillsTheAddress) {
  UseApplication();
  ScriptedMessageBoxes messages;
  ScriptedFileDialogs files;
  dlgButton dialog(OptionsServices{.messages = &messages, .file_dialogs = &files});
  dialog.RootDir = "/srv/web";
  dialog.DefServer = "intranet:8080";
  dialog.StartAddNew();
  qt::ButtonDialogView view(dialog, nullptr);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  auto* type = Child<QComboBox>(&view, "cmbType");
  auto* caption = Child<QLineEdit>(&view, "txtCaption");
  ClickOn(&view, "OKButton");  // no caption: a message, the dialog stays
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(view.isVisible());

  QTest::keyClicks(caption, "Docs");
  const QLabel* label = nullptr;
  for (QLabel* each : view.findChildren<QLabel*>()) label = each->buddy() == caption ? each : label;
  ASSERT_NE(label, nullptr);
  const QColor normal = label->palette().color(QPalette::WindowText);
  QTest::keyClick(type, Qt::Key_Up);  // the separator, just above the user button
  EXPECT_FALSE(caption->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(&view, "cmdBrowse")->isEnabled());
  EXPECT_NE(label->palette().color(QPalette::WindowText), normal);
  QTest::keyClick(type, Qt::Key_Down);
  EXPECT_TRUE(caption->isEnabled());
  EXPECT_EQ(label->palette().color(QPalette::WindowText), normal);

  files.choices = {"/srv/web/pages/a.htm"};
  ClickOn(&view, "cmdBrowse");
  ASSERT_EQ(files.requests.size(), 1u);
  EXPECT_EQ(qt::FilterLine(files.requests[0]), "ASP / HTML pages (*.htm *.asp *.aspx *.php)");
  auto* url = Child<QLineEdit>(&view, "txtURL");
  EXPECT_EQ(url->text(), "http://intranet:8080/pages/a.htm");
  files.choices = {"/srv/web/img/docs.bmp"};
  ClickOn(&view, "cmdBrowseBitmap");
  ASSERT_EQ(files.requests.size(), 2u);
  EXPECT_EQ(files.requests[1].title, "Select BMP file");
  EXPECT_EQ(Child<QLineEdit>(&view, "txtBitmap")->text(), "http://intranet:8080/img/docs.bmp");
  QTest::mouseClick(url, Qt::LeftButton);  // the focus leaves the browse button: Enter is OK's
  QTest::keyClick(url, Qt::Key_Return);
  EXPECT_FALSE(view.isVisible());
  EXPECT_TRUE(dialog.Confirmed);
  EXPECT_EQ(dialog.ButtonCaption, "Docs");
  EXPECT_EQ(dialog.ButtonURL, "http://intranet:8080/pages/a.htm");
}

// Closing the window through its frame is Cancel: the dialog closes unconfirmed.
TEST(ButtonDialogView, TheWindowFrameClosesTheDialogUnconfirmed) {
  UseApplication();
  dlgButton dialog;
  dialog.StartAddNew();
  qt::ButtonDialogView view(dialog, nullptr);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  view.close();  // as the frame's close button does
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_FALSE(dialog.Confirmed);
}

// A form may outlive the view that showed it: closing it afterwards must not reach the view.
TEST(ButtonDialogView, AFormClosedAfterItsViewIsGoneReachesNoView) {
  UseApplication();
  dlgButton dialog;
  dialog.StartAddNew();
  { qt::ButtonDialogView view(dialog, nullptr); }
  EXPECT_TRUE(dialog.IsOpen());
  dialog.CancelButton_Click();
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_FALSE(dialog.Confirmed);
}

}  // namespace
}  // namespace kgh::test
