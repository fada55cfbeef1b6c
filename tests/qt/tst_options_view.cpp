// The options dialog on screen: what it shows after loading, and that clicks, keys and typing
// reach the form and come back as the form's new state.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "OptionsViewFixture.h"
#include "qt/ToolbarPreview.h"

namespace kgh::test {
namespace {

QStringList RowCaptions(QTreeWidget* list) {
  QStringList captions;
  for (int i = 0; i < list->topLevelItemCount(); ++i) captions << list->topLevelItem(i)->text(0);
  return captions;
}

const QString kSports = QString::fromUtf8("\xC2\xB7\xC2\xB7\xC2\xB7Sports");

TEST_F(OptionsViewTest, ShowsTheConfigurationAsLoaded) {
  EXPECT_EQ(view->windowTitle(), "Pallix Browser Options");
  auto* tabs = Find<QTabBar>("tbsOptions");
  ASSERT_EQ(tabs->count(), 4);
  EXPECT_EQ(tabs->tabText(1), "Allowed domains");
  EXPECT_EQ(tabs->tabToolTip(1), "Domains that are allowed with the Orvex");
  EXPECT_TRUE(Find<QWidget>("picOptions(0)")->isVisible());

  EXPECT_EQ(Find<QLineEdit>("txtHome")->text(), "http://devbox:8080/start.htm");
  EXPECT_EQ(Find<QLineEdit>("txtServer")->text(), "devbox:8080");
  for (QLabel* label : view->findChildren<QLabel*>()) {
    if (label->text() == "&Home page") {
      EXPECT_EQ(label->buddy(), Find<QLineEdit>("txtHome"));
    }
  }

  auto* list = Find<QTreeWidget>("lstButtons");
  EXPECT_EQ(RowCaptions(list), QStringList({"Back", "-", "News", kSports}));
  EXPECT_EQ(list->headerItem()->text(0), "Caption");
  EXPECT_EQ(list->headerItem()->text(1), "URL");
  EXPECT_EQ(list->headerItem()->text(2), "Image");
  EXPECT_TRUE(list->isColumnHidden(2));
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0));

  EXPECT_TRUE(Find<QCheckBox>("cbMaximized")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("cbSmall")->isChecked());
  EXPECT_EQ(Find<QComboBox>("cmbBrowserType")->currentText(), "2 - Use IE engine");
  EXPECT_EQ(Find<QListWidget>("lstDomains")->count(), 2);
  EXPECT_EQ(Find<QPushButton>("cmdButtonOp(6)")->accessibleName(), "Make sub-entry");
  EXPECT_EQ(Find<QPushButton>("cmdBrowseDir")->accessibleName(), "Browse for root directory");
}

TEST_F(OptionsViewTest, TabsAndCtrlTabSwitchPagesAndFocusFollowsOnlyShownPages) {
  ClickTab(3);
  EXPECT_TRUE(Find<QWidget>("picOptions(3)")->isVisible());
  EXPECT_FALSE(Find<QWidget>("picOptions(0)")->isVisible());
  EXPECT_FALSE(view->SetFocus(form->txtHome));
  EXPECT_TRUE(view->SetFocus(form->cbSmall));

  QTest::keyClick(Find<QCheckBox>("cbSmall"), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Find<QTabBar>("tbsOptions")->currentIndex(), 0);
  EXPECT_TRUE(Find<QWidget>("picOptions(0)")->isVisible());
  EXPECT_TRUE(view->SetFocus(form->txtHome));
  EXPECT_TRUE(Find<QLineEdit>("txtHome")->hasFocus());
}

TEST_F(OptionsViewTest, TypingClickingAndChoosingReachTheForm) {
  auto* error = Find<QLineEdit>("txtError");
  error->setFocus();
  QTest::keyClick(error, Qt::Key_End);
  QTest::keyClicks(error, "?x");
  EXPECT_EQ(form->txtError.text, "res://error.htm?x");

  ClickTab(3);
  auto* small = Find<QCheckBox>("cbSmall");
  QTest::mouseClick(small, Qt::LeftButton, {}, QPoint(8, small->height() / 2));
  EXPECT_EQ(form->cbSmall.value, 1);
  auto* engine = Find<QComboBox>("cmbBrowserType");
  engine->setFocus();
  QTest::keyClick(engine, Qt::Key_Down);
  EXPECT_EQ(form->cmbBrowserType.list_index, 2);
  EXPECT_EQ(engine->currentText(), "3 - Use engine that is installed");
}

TEST_F(OptionsViewTest, FocusSelectsAsTheFormSays) {
  auto* server = Find<QLineEdit>("txtServer");
  server->setText("a-very-long-server-name.example.com:8080");
  QTest::keyClicks(server, "1");  // typed text reaches the form
  server->clearFocus();
  server->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(server->selectedText().toStdString(), form->txtServer.text.substr(0, 24));

  auto* home = Find<QLineEdit>("txtHome");
  home->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(home->selectedText(), home->text());
}

TEST_F(OptionsViewTest, RowClicksSetTheArrowsAndArrowsNestRows) {
  ClickTab(2);
  auto* list = Find<QTreeWidget>("lstButtons");
  ClickRow(2);  // News, a user button
  for (const char* arrow : {"cmdButtonOp(3)", "cmdButtonOp(4)", "cmdButtonOp(5)", "cmdButtonOp(6)"})
    EXPECT_TRUE(Find<QPushButton>(arrow)->isEnabled()) << arrow;
  ClickRow(3);  // its sub-entry
  EXPECT_FALSE(Find<QPushButton>("cmdButtonOp(3)")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("cmdButtonOp(6)")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("cmdButtonOp(5)")->isEnabled());

  auto* preview = Find<qt::ToolbarPreview>("ToolbarPreview");
  ASSERT_EQ(preview->items().size(), 3u);
  EXPECT_TRUE(preview->items()[2].has_menu);

  Click("cmdButtonOp(5)");
  EXPECT_EQ(RowCaptions(list), QStringList({"Back", "-", "News", "Sports"}));
  EXPECT_TRUE(list->hasFocus());
  ASSERT_EQ(preview->items().size(), 4u);
  EXPECT_FALSE(preview->items()[2].has_menu);
  EXPECT_EQ(preview->items()[3].text, "Sports");
}

TEST_F(OptionsViewTest, MovingAndRemovingRowsShowsTheNewOrder) {
  ClickTab(2);
  auto* list = Find<QTreeWidget>("lstButtons");
  ClickRow(0);
  Click("cmdButtonOp(4)");  // down
  EXPECT_EQ(RowCaptions(list), QStringList({"-", "Back", "News", kSports}));
  EXPECT_EQ(list->currentItem(), list->topLevelItem(1));

  messages.answers = {MessageAnswer::No};
  Click("cmdButtonOp(2)");
  EXPECT_EQ(list->topLevelItemCount(), 4);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Are you sure you want to remove 'Back'?");
  EXPECT_EQ(messages.shown[0].title, "Pallix Setup");

  messages.answers = {MessageAnswer::Yes};
  Click("cmdButtonOp(2)");
  EXPECT_EQ(RowCaptions(list), QStringList({"-", "News", kSports}));
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
}

TEST_F(OptionsViewTest, AddingAButtonGoesThroughTheButtonDialog) {
  ClickTab(2);
  WhenModal("dlgButton", [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Button properties");
    EXPECT_EQ(dialog->findChild<QComboBox*>("cmbType")->currentText(), "User (URL) button");
    QTest::keyClicks(dialog->findChild<QLineEdit*>("txtCaption"), "Docs");
    QTest::keyClicks(dialog->findChild<QLineEdit*>("txtURL"), "docs.htm");
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  });
  Click("cmdButtonOp(1)");
  auto* list = Find<QTreeWidget>("lstButtons");
  ASSERT_EQ(list->topLevelItemCount(), 5);
  EXPECT_EQ(list->topLevelItem(4)->text(0), "Docs");
  EXPECT_EQ(list->topLevelItem(4)->text(1), "docs.htm");
  EXPECT_EQ(list->currentItem(), list->topLevelItem(4));
  EXPECT_EQ(Find<qt::ToolbarPreview>("ToolbarPreview")->items().back().text, "Docs");
}

TEST_F(OptionsViewTest, DoubleClickingADomainChangesItInTheDomainDialog) {
  ClickTab(1);
  auto* list = Find<QListWidget>("lstDomains");
  WhenModal("dlgDomain", [](QWidget* dialog) {
    auto* box = dialog->findChild<QComboBox*>("cmbDomain");
    EXPECT_EQ(box->currentText(), "mailto:");
    EXPECT_EQ(box->lineEdit()->selectedText(), "mailto:");
    QTest::keyClicks(box, "news:");  // replaces the selected text
    QTest::keyClick(box, Qt::Key_Return);
  });
  const QPoint row = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
  EXPECT_EQ(list->item(1)->text(), "news:");
  EXPECT_EQ(view->focusWidget(), list);
}

TEST_F(OptionsViewTest, TheDomainDialogRefusesAnEmptyEntryAndEscKeepsTheList) {
  ClickTab(1);
  WhenModal("dlgDomain", [](QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  Click("cmdDomainOp(1)");
  EXPECT_EQ(Find<QListWidget>("lstDomains")->count(), 2);
}

TEST_F(OptionsViewTest, TheHomePageButtonTurnsTheChosenFileIntoAnAddress) {
  files.choices = {root + "/pages/start.asp"};
  Click("cmdBrowse");
  ASSERT_EQ(files.requests.size(), 1u);
  EXPECT_EQ(files.requests[0].title, "Select start page");
  EXPECT_EQ(files.requests[0].initial_dir, root);
  auto* home = Find<QLineEdit>("txtHome");
  EXPECT_EQ(home->text(), "http://devbox:8080/pages/start.asp");
  EXPECT_TRUE(home->hasFocus());
  EXPECT_EQ(home->selectedText(), home->text());
}

}  // namespace
}  // namespace kgh::test
