// Help from the options dialog: the Help button and F1 open the page about what is on screen (the
// page of the tab shown, or the entry dialog in front), and the platform's help file instead
// when one lies beside the component.
#include "QtFakes.h"
#include "options/frmOrvexOptions.h"
#include "qt/OptionsDialogView.h"
#include "qt/QtHelp.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

class HelpViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseApplication();
    std::filesystem::create_directories(pages);
    for (const char* page : {"index", "options-general", "options-domains", "options-toolbar", "options-other",
                             "button-dialog", "domain-dialog"})
      WriteBytes((pages / (std::string(page) + ".html")).string(), "<!DOCTYPE html>");
    WriteBytes(dir.File("Orvex.INI"), "[Toolbar]\r\nBack=1\r\n[Domains]\r\nmailto:\r\n");
    form = std::make_unique<frmOrvexOptions>(OptionsServices{
        .messages = &messages, .help = &help, .component_dir = dir.path().string()});
    form->Start(dir.path().string(), dir.File("Orvex.INI"), "devbox/");
    view = std::make_unique<qt::OptionsDialogView>(*form);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }
  // The keys go to the widget with the focus, as a user's would.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : view.get();
    QTest::keyClick(target, key, modifiers);
  }

  TempDir dir;
  std::filesystem::path pages = dir.path() / "help";
  std::vector<std::string> opened;  // file names, in the order opened
  qt::QtHelp help{[this](const QUrl& url) { opened.push_back(url.toLocalFile().toStdString()); }, {QString::fromStdString(pages.string())}};
  ScriptedMessageBoxes messages;
  std::unique_ptr<frmOrvexOptions> form;
  std::unique_ptr<qt::OptionsDialogView> view;
};

std::string Page(const std::filesystem::path& folder, const char* name) { return (folder / name).string(); }

TEST_F(HelpViewTest, HelpButtonAltHAndF1OpenThePageOfTheTabShown) {
  ClickOn(view.get(), "cmdHelp");
  Press(Qt::Key_Tab, Qt::ControlModifier);
  Press(Qt::Key_F1);
  ClickTab(view.get(), 2);
  Press(Qt::Key_H, Qt::AltModifier);  // on this page the letter belongs to Help alone
  // An access key clicks its button a moment later, as the toolkit animates the press.
  EXPECT_TRUE(QTest::qWaitFor([this] { return opened.size() == 3; }));
  Press(Qt::Key_Tab, Qt::ControlModifier);
  Press(Qt::Key_F1);
  EXPECT_EQ(opened, std::vector<std::string>({Page(pages, "options-general.html"), Page(pages, "options-domains.html"),
                                 Page(pages, "options-toolbar.html"), Page(pages, "options-other.html")}));
  EXPECT_TRUE(view->isVisible());
}

TEST_F(HelpViewTest, F1InAnEntryDialogOpensThePageOfThatDialogAndLeavesItOpen) {
  bool still_open = false;
  const auto f1_then_escape = [&still_open](QWidget* dialog) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    still_open = dialog->isVisible();
    QTest::keyClick(dialog, Qt::Key_Escape);
  };
  ClickTab(view.get(), 1);
  WhenModal("dlgDomain", f1_then_escape);
  ClickOn(view.get(), "cmdDomainOp(1)");
  EXPECT_TRUE(still_open);
  TakeKeyboardBack(view.get());
  ClickTab(view.get(), 2);
  WhenModal("dlgButton", f1_then_escape);
  ClickOn(view.get(), "cmdButtonOp(1)");
  EXPECT_TRUE(still_open);
  TakeKeyboardBack(view.get());
  Press(Qt::Key_F1);  // back in the options dialog, its own page again
  EXPECT_EQ(opened, std::vector<std::string>({Page(pages, "domain-dialog.html"), Page(pages, "button-dialog.html"),
                                 Page(pages, "options-toolbar.html")}));
}

TEST_F(HelpViewTest, TheHelpFileBesideTheComponentIsOpenedInsteadOfAPage) {
  WriteBytes(dir.File("Pallix.chm"), "ITSF");
  ClickOn(view.get(), "cmdHelp");
  EXPECT_EQ(opened, std::vector<std::string>({Page(dir.path(), "Pallix.chm")}));
}

TEST_F(HelpViewTest, WithoutThePageNothingIsOpenedAndNothingIsSaid) {
  std::filesystem::remove(pages / "options-general.html");
  ClickOn(view.get(), "cmdHelp");
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kgh::test
