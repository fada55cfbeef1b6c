// Help from the options dialog where the help service chooses: the platform's help file when one
// lies beside the component, and nothing at all when the page is missing. Which page the Help
// button and F1 open in which dialog is an acceptance scenario, run on both front-ends.
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
    for (const auto& folder : {pages, later_pages}) {
      std::filesystem::create_directories(folder);
      for (const char* page : {"index", "options-general", "options-domains", "options-toolbar", "options-other",
                               "button-dialog", "domain-dialog"})
        WriteBytes((folder / (std::string(page) + ".html")).string(), "<!DOCTYPE html>");
    }
    WriteBytes(dir.File("Orvex.INI"), "[Toolbar]\r\nBack=1\r\n[Domains]\r\nmailto:\r\n");
    form = std::make_unique<frmOrvexOptions>(OptionsServices{
        .messages = &messages, .help = &help, .component_dir = dir.path().string()});
    form->Start(dir.path().string(), dir.File("Orvex.INI"), "devbox/");
    view = std::make_unique<qt::OptionsDialogView>(*form);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }

  TempDir dir;
  std::filesystem::path pages = dir.path() / "help", later_pages = dir.path() / "installed";
  std::vector<std::string> opened;  // file names, in the order opened
  qt::QtHelp help{[this](const QUrl& url) { opened.push_back(url.toLocalFile().toStdString()); },
                  {QString::fromStdString(pages.string()), QString::fromStdString(later_pages.string())}};
  ScriptedMessageBoxes messages;
  std::unique_ptr<frmOrvexOptions> form;
  std::unique_ptr<qt::OptionsDialogView> view;
};

std::string Page(const std::filesystem::path& folder, const char* name) { return (folder / name).string(); }

TEST_F(HelpViewTest, TheHelpFileBesideTheComponentIsOpenedInsteadOfAPage) {
  WriteBytes(dir.File("Pallix.chm"), "ITSF");
  ClickOn(view.get(), "cmdHelp");
  EXPECT_EQ(opened, std::vector<std::string>({Page(dir.path(), "Pallix.chm")}));
}

TEST_F(HelpViewTest, ThePageIsOpenedOnceFromTheFirstFolderThatHasIt) {
  ClickOn(view.get(), "cmdHelp");
  EXPECT_EQ(opened, std::vector<std::string>({Page(pages, "options-general.html")}));
  std::filesystem::remove(pages / "options-general.html");
  opened.clear();
  ClickOn(view.get(), "cmdHelp");
  EXPECT_EQ(opened, std::vector<std::string>({Page(later_pages, "options-general.html")}));
}

TEST_F(HelpViewTest, WithoutThePageNothingIsOpenedAndNothingIsSaid) {
  for (const auto& folder : {pages, later_pages}) std::filesystem::remove(folder / "options-general.html");
  ClickOn(view.get(), "cmdHelp");
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kgh::test
