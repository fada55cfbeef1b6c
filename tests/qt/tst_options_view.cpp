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
    Open("[Browser]\r\nHomepage=http://devbox:8080/start.htm\r\nErrorPage=res://error.htm\r\nFullScreen=1\r\n"
         "SmallToolbar=0\r\nBrowserEngine=2\r\n[Toolbar]\r\nBack=1\r\nSep\r\nUser1=news.htm\r\n"
         "[User1]\r\nCaption=News\r\nBitmap=\r\n_Sports=sports.htm\r\n[Domains]\r\njavascript:\r\nmailto:\r\n");
  }
  // Shows a new dialog on a configuration holding `ini`.
  void Open(const std::string& ini) {
    view.reset();
    WriteBytes(dir.File("Orvex.INI"), ini);
    form = std::make_unique<frmOrvexOptions>(
        OptionsServices{.messages = &messages, .file_dialogs = &files});
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
  EXPECT_EQ(form->cbSwitch[SwitchIndex("cbSmall")].value, 1);
  auto* engine = Find<QComboBox>("cmbBrowserType");
  EXPECT_EQ(engine->currentText(), "2 - Use IE engine");
  engine->setFocus();
  QTest::keyClick(engine, Qt::Key_Down);
  EXPECT_EQ(form->cmbBrowserType.list_index, 2);
  EXPECT_EQ(engine->currentText(), "3 - Use engine that is installed");

  EXPECT_FALSE(view->SetFocus(form->txtHome)) << "not on the page shown";
  QTest::keyClick(engine, Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);  // only Ctrl+Tab turns pages
  EXPECT_TRUE(Find<QWidget>("picOptions(3)")->isVisible());
  engine->setFocus();
  QTest::keyClick(engine, Qt::Key_Tab, Qt::ControlModifier);  // from the last page round to the first
  EXPECT_TRUE(Find<QWidget>("picOptions(0)")->isVisible());
  EXPECT_FALSE(Find<QWidget>("picOptions(3)")->isVisible());
  EXPECT_TRUE(view->SetFocus(form->txtHome));
  EXPECT_TRUE(home->hasFocus());
}

// The switches as a user meets them: one after the other in tab order on the "Other" page, each
// named for assistive technology, set as a reader sees a file without them, and written by OK in
// this order, right after the two pages.
TEST_F(OptionsViewTest, TheSwitchesAreCheckBoxesInTabOrderThatOkWritesAfterThePages) {
  const struct {
    const char* control;
    const char* name;
    bool missing_means;
  } switches[] = {
      {"cbContentMenu", "Disable content menus", true}, {"cbStatusBar", "Visible status bar", true},
      {"cbModem", "Skip modem connection", true},        {"cbMaximized", "Start maximized", true},
      {"cbSmall", "Use small toolbar buttons", false},   {"cbCloseKelmar", "Close Kelmar compiler", false},
  };
  Open("[Browser]\r\nBrowserEngine=2\r\n");
  ClickTab(view.get(), 3);
  QWidget* focus = Find<QComboBox>("cmbBrowserType");
  focus->setFocus();
  for (const auto& expected : switches) {
    QTest::keyClick(focus, Qt::Key_Tab);
    focus = QApplication::focusWidget();
    ASSERT_EQ(focus->objectName(), expected.control);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name), expected.name);
    EXPECT_EQ(qobject_cast<QCheckBox*>(focus)->isChecked(), expected.missing_means) << expected.control;
    QTest::keyClick(focus, Qt::Key_Space);
  }
  QTest::keyClick(focus, Qt::Key_Return);
  EXPECT_TRUE(form->unloaded);
  const std::string written = ReadBytes(dir.File("Orvex.INI"));
  const std::string browser =
      "[Browser]\r\nBrowserEngine=2\r\nHomepage=\r\nErrorPage=res://error.htm\r\nDisableContextMenu=0\r\n"
      "StatusBar=0\r\nAvoidModem=0\r\nFullScreen=0\r\nSmallToolbar=1\r\nCloseKelmar=1\r\n[";
  EXPECT_EQ(written.substr(0, browser.size()), browser);
}

// Controls in a frame are read as the frame's group, and stand as far in from its left edge as the
// engine list stands in from its right, as designed.
TEST_F(OptionsViewTest, FramedControlsAreTheFramesGroupAndStandEvenlyInsideIt) {
  ClickTab(view.get(), 3);
  auto* frame = Find<QGroupBox>("fraBrowserEngine");
  auto* label = Find<QLabel>("lblBrowserEngine");
  auto* engines = Find<QComboBox>("cmbBrowserType");
  for (QWidget* framed : std::initializer_list<QWidget*>{label, engines, Find<QCheckBox>("cbStatusBar")})
    EXPECT_EQ(QAccessible::queryAccessibleInterface(framed)->parent()->role(), QAccessible::Grouping)
        << framed->objectName().toStdString();
  const int frame_left = frame->mapToGlobal(QPoint(0, 0)).x();
  const int left_margin = label->mapToGlobal(QPoint(0, 0)).x() - frame_left;
  const int right_margin = frame_left + frame->width() - engines->mapToGlobal(QPoint(engines->width(), 0)).x();
  EXPECT_GT(left_margin, 0);
  EXPECT_NEAR(left_margin, right_margin, 1);
}

TEST_F(OptionsViewTest, RowClicksArrowsAndAnsweredQuestionsShowTheNewListAndPreview) {
  ClickTab(view.get(), 2);
  // Up, down, left and right: four arrows, each pointing its own way.
  std::vector<QImage> arrows;
  for (const char* arrow : {"cmdButtonOp(3)", "cmdButtonOp(4)", "cmdButtonOp(5)", "cmdButtonOp(6)"})
    arrows.push_back(Find<QPushButton>(arrow)->icon().pixmap(16).toImage());
  for (std::size_t a = 0; a < arrows.size(); ++a)
    for (std::size_t b = a + 1; b < arrows.size(); ++b) EXPECT_NE(arrows[a], arrows[b]) << a + 3 << " and " << b + 3;
  // The arrows, without captions, say what they do when the mouse rests on them.
  EXPECT_EQ(Find<QPushButton>("cmdButtonOp(3)")->toolTip(), "Move up");
  EXPECT_EQ(list()->headerItem()->text(0), "Caption");
  EXPECT_EQ(list()->headerItem()->text(1), "URL");
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

TEST_F(OptionsViewTest, TakingTheFocusSelectsCharactersNotBytes) {
  // Letters of two bytes each: the server box selects its first 24, an address box its first 1024;
  // letters of four bytes, beyond the basic plane, count as two, as the box counts them.
  struct Case { const char* box; QString typed; qsizetype selected; };
  const QString beyond = QString::fromUcs4(U"\U0001F600").repeated(20);
  for (const Case& c : {Case{"txtServer", QString(30, QChar(0x00E9)), 24}, Case{"txtHome", QString(1030, QChar(0x00E9)), 1024},
                        Case{"txtServer", beyond, 24}}) {
    auto* box = Find<QLineEdit>(c.box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    TypeText(box, c.typed);
    QTest::keyClick(box, Qt::Key_Tab);  // out and back in
    QTest::keyClick(view->focusWidget(), Qt::Key_Backtab);
    ASSERT_TRUE(box->hasFocus()) << c.box;
    EXPECT_EQ(box->selectionStart(), 0) << c.box;
    EXPECT_EQ(box->selectedText().size(), c.selected) << c.box;
  }
}

// Each domain dialog opened from here on shows its text in `opened` and is left with Esc.
void EscEveryDomainDialog(QStringList& opened) {
  WhenModal("dlgDomain", [&opened](QWidget* dialog) {
    opened << Child<QComboBox>(dialog, "cmbDomain")->currentText();
    EscEveryDomainDialog(opened);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
}

TEST_F(OptionsViewTest, TheDomainDialogStoresWhatWasTypedAndFillsInOnlyAChosenPreset) {
  ClickTab(view.get(), 1);
  auto* domains = Find<QListWidget>("lstDomains");
  // Each text begins a preset, or matches one but for letter case.
  for (const char* typed : {"http://10", "mailto", "https://", "MAILTO:", "Javascript:"}) {
    WhenModal("dlgDomain", [typed](QWidget* dialog) {
      QTest::keyClicks(Child<QComboBox>(dialog, "cmbDomain"), typed);
      QTest::keyClick(Child<QComboBox>(dialog, "cmbDomain"), Qt::Key_Return);
    });
    ClickOn(view.get(), "cmdDomainOp(1)");
    EXPECT_EQ(domains->item(domains->count() - 1)->text(), typed);
  }
  WhenModal("dlgDomain", [](QWidget* dialog) {
    auto* box = Child<QComboBox>(dialog, "cmbDomain");
    QTest::keyClicks(box, "ftp:");
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);  // the list of presets
    QAbstractItemView* presets = box->view();
    ASSERT_TRUE(presets->isVisible());
    QTest::mouseClick(presets->viewport(), Qt::LeftButton, {}, presets->visualRect(presets->model()->index(5, 0)).center());
    EXPECT_EQ(box->currentText(), "https://10.*.*.*");
    QTest::keyClick(box, Qt::Key_Return);
  });
  ClickOn(view.get(), "cmdDomainOp(1)");
  EXPECT_EQ(domains->item(domains->count() - 1)->text(), "https://10.*.*.*");
  EXPECT_EQ(form->lstDomains.items.back(), "https://10.*.*.*");
}

TEST_F(OptionsViewTest, ChangeAndRemoveActOnlyOnAnEntryTheUserSelected) {
  ClickTab(view.get(), 1);
  auto* domains = Find<QListWidget>("lstDomains");
  QStringList opened;
  EscEveryDomainDialog(opened);
  ClickOn(view.get(), "cmdDomainOp(2)");  // nothing selected: no question, the list takes the focus
  EXPECT_TRUE(domains->hasFocus());
  ClickOn(view.get(), "cmdDomainOp(1)");  // Add..., then Esc
  TakeKeyboardBack(view.get());
  QTest::keyClick(domains, Qt::Key_Tab);  // out of the list and back in
  QTest::keyClick(view->focusWidget(), Qt::Key_Backtab);
  ASSERT_TRUE(domains->hasFocus());
  ClickOn(view.get(), "cmdDomainOp(0)");
  ClickOn(view.get(), "cmdDomainOp(2)");
  EXPECT_EQ(opened, QStringList({""})) << "only Add opened the dialog";
  EXPECT_TRUE(messages.shown.empty());

  QTest::keyClick(domains, Qt::Key_Down);  // the keyboard selects an entry
  const int chosen = domains->currentRow();
  ASSERT_GE(chosen, 0);
  ClickOn(view.get(), "cmdDomainOp(0)");
  EXPECT_EQ(opened, QStringList({"", domains->item(chosen)->text()}));
  ClickOn(view.get(), "cmdDomainOp(1)");  // consumes the last watcher: Esc
}

TEST_F(OptionsViewTest, AToolbarRowTheUserDeselectedIsNotChangedOrRemoved) {
  ClickTab(view.get(), 2);
  ASSERT_TRUE(list()->topLevelItem(0)->isSelected()) << "the first row is selected on opening";
  ClickRow(0);
  QTest::keyClick(list(), Qt::Key_Space, Qt::ControlModifier);  // deselects it
  ASSERT_TRUE(list()->selectedItems().isEmpty());
  QTest::keyClick(list(), Qt::Key_Tab);
  QTest::keyClick(view->focusWidget(), Qt::Key_Backtab);
  ClickOn(view.get(), "cmdButtonOp(2)");  // Remove: no question without a selected row
  ClickOn(view.get(), "cmdButtonOp(4)");  // Down: nothing moves
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Rows(), QStringList({"Back", "-", "News", kSports}));
}

TEST_F(OptionsViewTest, TheToolbarListScrollsToAnAddedRowOnceAndThenFollowsTheUser) {
  std::string ini = "[Toolbar]\r\n";
  for (int i = 0; i < 40; ++i) ini += "Sep\r\n";
  Open(ini);
  ClickTab(view.get(), 2);
  AddButton(view.get(), "Docs", "docs.htm");
  EXPECT_EQ(list()->topLevelItem(40)->text(1), "docs.htm");
  const auto shown = [this](int row) {
    return list()->viewport()->rect().intersects(list()->visualItemRect(list()->topLevelItem(row)));
  };
  EXPECT_TRUE(shown(40)) << "the new row is scrolled into view";
  EXPECT_FALSE(shown(0));
  QTest::keyClick(list(), Qt::Key_Home);
  EXPECT_TRUE(shown(0)) << "the list stays where the user moved it";
  EXPECT_EQ(form->lstButtons.selected, 0);
  ClickRow(3);
  EXPECT_TRUE(shown(0));
  EXPECT_FALSE(shown(40));
}

}  // namespace
}  // namespace kgh::test
