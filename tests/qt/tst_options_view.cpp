// The options dialog on screen: each kind of control's clicks, keys and typing reach the form,
// the view then shows the form's new state, and the nested dialogs and questions are answered.
#include "QtFakes.h"
#include "options/frmOrvexOptions.h"
#include "qt/OptionsDialogView.h"
#include "qt/ToolbarPreview.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

const QString kSports = QString::fromUtf8("\xC2\xB7\xC2\xB7\xC2\xB7Sports");

class OptionsViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseApplication();
    std::filesystem::create_directories(root);
    WriteBytes(dir.File("Orvex.INI"),
               "[Browser]\r\nHomepage=http://devbox:8080/start.htm\r\nErrorPage=res://error.htm\r\nFullScreen=1\r\n"
               "SmallToolbar=0\r\nBrowserEngine=2\r\n[Toolbar]\r\nBack=1\r\nSep\r\nUser1=news.htm\r\n"
               "[User1]\r\nCaption=News\r\nBitmap=\r\n_Sports=sports.htm\r\n[Domains]\r\njavascript:\r\nmailto:\r\n");
    form = std::make_unique<frmOrvexOptions>(
        OptionsServices{.messages = &messages, .file_dialogs = &files, .component_dir = {}});
    form->Start(root, dir.File("Orvex.INI"), "devbox:8080/");
    view = std::make_unique<qt::OptionsDialogView>(*form);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }
  template <typename W>
  W* Find(const char* name) { return Child<W>(view.get(), name); }
  QStringList Rows() {
    QStringList captions;
    for (int i = 0; i < list()->topLevelItemCount(); ++i) captions << list()->topLevelItem(i)->text(0);
    return captions;
  }
  QTreeWidget* list() { return Find<QTreeWidget>("lstButtons"); }
  void ClickRow(int row) {
    const QPoint at = list()->visualItemRect(list()->topLevelItem(row)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
  }

  TempDir dir;
  std::string root = (dir.path() / "web").string();
  ScriptedMessageBoxes messages;
  ScriptedFileDialogs files;
  std::unique_ptr<frmOrvexOptions> form;
  std::unique_ptr<qt::OptionsDialogView> view;
};

TEST_F(OptionsViewTest, TypingClickingChoosingBrowsingAndCtrlTabReachTheFormAndShowItsState) {
  auto* error = Find<QLineEdit>("txtError");
  error->setFocus();
  QTest::keyClick(error, Qt::Key_End);
  QTest::keyClicks(error, "?x");
  EXPECT_EQ(form->txtError.text, "res://error.htm?x");

  files.choices = {root + "/pages/start.asp"};
  ClickOn(view.get(), "cmdBrowse");
  auto* home = Find<QLineEdit>("txtHome");
  EXPECT_EQ(home->text(), "http://devbox:8080/pages/start.asp");
  EXPECT_TRUE(home->hasFocus());
  EXPECT_EQ(home->selectedText(), home->text());

  ClickTab(view.get(), 3);
  EXPECT_TRUE(Find<QCheckBox>("cbMaximized")->isChecked());
  auto* small = Find<QCheckBox>("cbSmall");
  QTest::mouseClick(small, Qt::LeftButton, {}, QPoint(8, small->height() / 2));
  EXPECT_EQ(form->cbSmall.value, 1);
  auto* engine = Find<QComboBox>("cmbBrowserType");
  EXPECT_EQ(engine->currentText(), "2 - Use IE engine");
  engine->setFocus();
  QTest::keyClick(engine, Qt::Key_Down);
  EXPECT_EQ(form->cmbBrowserType.list_index, 2);
  EXPECT_EQ(engine->currentText(), "3 - Use engine that is installed");

  EXPECT_FALSE(view->SetFocus(form->txtHome)) << "not on the page shown";
  QTest::keyClick(engine, Qt::Key_Tab, Qt::ControlModifier);  // from the last page round to the first
  EXPECT_TRUE(Find<QWidget>("picOptions(0)")->isVisible());
  EXPECT_FALSE(Find<QWidget>("picOptions(3)")->isVisible());
  EXPECT_TRUE(view->SetFocus(form->txtHome));
  EXPECT_TRUE(home->hasFocus());
}

TEST_F(OptionsViewTest, RowClicksArrowsAndAnsweredQuestionsShowTheNewListAndPreview) {
  ClickTab(view.get(), 2);
  EXPECT_EQ(Rows(), QStringList({"Back", "-", "News", kSports}));
  ClickRow(2);  // a user button: every arrow works
  ClickRow(0);
  ClickOn(view.get(), "cmdButtonOp(4)");  // down
  EXPECT_EQ(Rows(), QStringList({"-", "Back", "News", kSports}));
  EXPECT_EQ(list()->currentItem(), list()->topLevelItem(1));
  messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
  ClickOn(view.get(), "cmdButtonOp(2)");  // remove 'Back'? No
  EXPECT_EQ(list()->topLevelItemCount(), 4);
  ClickOn(view.get(), "cmdButtonOp(2)");  // Yes
  EXPECT_EQ(Rows(), QStringList({"-", "News", kSports}));
  EXPECT_EQ(messages.shown.size(), 2u);

  auto* preview = Find<qt::ToolbarPreview>("ToolbarPreview");
  ASSERT_EQ(preview->items().size(), 2u);
  EXPECT_TRUE(preview->items()[1].has_menu);
  ClickRow(2);  // the sub-entry: it cannot move up past its button
  EXPECT_FALSE(Find<QPushButton>("cmdButtonOp(3)")->isEnabled());
  ClickOn(view.get(), "cmdButtonOp(5)");  // no longer a sub-entry
  EXPECT_EQ(Rows(), QStringList({"-", "News", "Sports"}));
  EXPECT_TRUE(list()->hasFocus());
  ASSERT_EQ(preview->items().size(), 3u);
  EXPECT_FALSE(preview->items()[1].has_menu);
}

TEST_F(OptionsViewTest, TheButtonDialogAddsARowAndEscAddsNothing) {
  ClickTab(view.get(), 2);
  WhenModal("dlgButton", [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  ClickOn(view.get(), "cmdButtonOp(1)");
  EXPECT_EQ(list()->topLevelItemCount(), 4);
  AddButton(view.get(), "Docs", "docs.htm");
  ASSERT_EQ(list()->topLevelItemCount(), 5);
  EXPECT_EQ(list()->topLevelItem(4)->text(1), "docs.htm");
  EXPECT_EQ(list()->currentItem(), list()->topLevelItem(4));
  EXPECT_EQ(Find<qt::ToolbarPreview>("ToolbarPreview")->items().back().text, "Docs");
}

TEST_F(OptionsViewTest, TheDomainDialogChangesADoubleClickedEntryAndEscAddsNothing) {
  ClickTab(view.get(), 1);
  auto* domains = Find<QListWidget>("lstDomains");
  WhenModal("dlgDomain", [](QWidget* dialog) {
    auto* box = Child<QComboBox>(dialog, "cmbDomain");
    EXPECT_EQ(box->lineEdit()->selectedText(), "mailto:");
    QTest::keyClicks(box, "news:");  // replaces the selected text
    QTest::keyClick(box, Qt::Key_Return);
  });
  const QPoint row = domains->visualItemRect(domains->item(1)).center();
  QTest::mouseClick(domains->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(domains->viewport(), Qt::LeftButton, {}, row);
  EXPECT_EQ(domains->item(1)->text(), "news:");
  EXPECT_EQ(view->focusWidget(), domains);

  WhenModal("dlgDomain", [](QWidget* dialog) {
    ClickOn(dialog, "OKButton");  // an empty entry is refused: the dialog stays
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  ClickOn(view.get(), "cmdDomainOp(1)");
  EXPECT_EQ(domains->count(), 2);
}

}  // namespace
}  // namespace kgh::test
