// The button properties dialog on screen: the kind list greys the user fields, OK validates with
// the form's messages, the browse button fills the address, Esc cancels.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "QtFakes.h"
#include "options/dlgButton.h"
#include "qt/ButtonDialogView.h"
#include "qt/QtFileDialogs.h"

namespace kgh::test {
namespace {

class ButtonDialogViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseApplication();
    OptionsServices services;
    services.messages = &messages;
    services.file_dialogs = &files;
    dialog = std::make_unique<dlgButton>(services);
    dialog->RootDir = "/srv/web";
    dialog->DefServer = "intranet:8080";
  }

  void Show() {
    view = std::make_unique<qt::ButtonDialogView>(*dialog, nullptr);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }

  template <typename W>
  W* Find(const char* name) {
    W* widget = view->findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  QLabel* LabelFor(const char* box) {
    for (QLabel* label : view->findChildren<QLabel*>())
      if (label->buddy() == Find<QWidget>(box)) return label;
    return nullptr;
  }

  FakeMessageBoxes messages;
  FakeFileDialogs files;
  std::unique_ptr<dlgButton> dialog;
  std::unique_ptr<qt::ButtonDialogView> view;
};

TEST_F(ButtonDialogViewTest, OkAsksForCaptionThenUrlThenCloses) {
  dialog->StartAddNew();
  Show();
  EXPECT_TRUE(Find<QComboBox>("cmbType")->hasFocus());
  Find<QPushButton>("OKButton")->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Please enter button's caption");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(view->isVisible());

  QTest::keyClicks(Find<QLineEdit>("txtCaption"), "Docs");
  Find<QPushButton>("OKButton")->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "Please enter destination URL for this button");
  EXPECT_EQ(messages.shown[1].icon, MessageIcon::None);
  EXPECT_TRUE(view->isVisible());

  QTest::keyClicks(Find<QLineEdit>("txtURL"), "docs.htm");
  QTest::keyClick(Find<QLineEdit>("txtURL"), Qt::Key_Return);  // the default button
  EXPECT_FALSE(view->isVisible());
  EXPECT_TRUE(dialog->Confirmed);
  EXPECT_EQ(dialog->ButtonType, kUserButton);
  EXPECT_EQ(dialog->ButtonCaption, "Docs");
  EXPECT_EQ(dialog->ButtonURL, "docs.htm");
}

TEST_F(ButtonDialogViewTest, AStandardKindGreysTheUserFieldsAndKeepsTheirText) {
  dialog->ButtonType = kUserButton;
  dialog->ButtonCaption = "News";
  dialog->ButtonURL = "news.htm";
  dialog->Start();
  Show();
  auto* type = Find<QComboBox>("cmbType");
  const QColor normal = LabelFor("txtCaption")->palette().color(QPalette::WindowText);
  QTest::keyClick(type, Qt::Key_Up);  // the separator, just above the user button
  EXPECT_EQ(type->currentText().toStdString(), CButtons().ButtonTypeName(kSeparatorButton));
  EXPECT_FALSE(Find<QLineEdit>("txtCaption")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("cmdBrowse")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("cmdBrowseBitmap")->isEnabled());
  EXPECT_NE(LabelFor("txtCaption")->palette().color(QPalette::WindowText), normal);

  QTest::keyClick(type, Qt::Key_Down);
  EXPECT_TRUE(Find<QLineEdit>("txtCaption")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>("txtCaption")->text(), "News");
  EXPECT_EQ(LabelFor("txtCaption")->palette().color(QPalette::WindowText), normal);
}

TEST_F(ButtonDialogViewTest, BrowseFillsTheAddressAndEscCancels) {
  dialog->StartAddNew();
  Show();
  files.choices = {"/srv/web/pages/a.htm"};
  QTest::mouseClick(Find<QPushButton>("cmdBrowse"), Qt::LeftButton);
  ASSERT_EQ(files.requests.size(), 1u);
  EXPECT_EQ(qt::FilterLine(files.requests[0]), "ASP / HTML pages (*.htm *.asp *.aspx *.php)");
  EXPECT_EQ(Find<QLineEdit>("txtURL")->text(), "http://intranet:8080/pages/a.htm");
  EXPECT_EQ(Find<QPushButton>("cmdBrowse")->accessibleName(), "Browse for destination page");

  QTest::keyClick(view.get(), Qt::Key_Escape);
  EXPECT_FALSE(view->isVisible());
  EXPECT_FALSE(dialog->Confirmed);
}

}  // namespace
}  // namespace kgh::test
