// The "General" page: home page from a file, root directory from the folder picker, and a new
// default server carried into every address of the dialog.
#include <gtest/gtest.h>

#include "OptionsFakes.h"
#include "options/ServerRewrite.h"

namespace kgh::test {
namespace {

class GeneralPage : public ::testing::Test {
 protected:
  OptionsFixture fx;

  // A dialog on a Windows configuration in memory.
  std::unique_ptr<frmOrvexOptions> OpenWindows(const std::string& root, const std::string& server,
                                               const std::string& content = "") {
    fx.memory.files["C:\\Cfg\\Orvex.INI"] = content;
    fx.attributes["C:\\Cfg\\Orvex.INI"] = 0x20;
    auto form = std::make_unique<frmOrvexOptions>(fx.Windows());
    form->Start(root, "C:\\Cfg\\Orvex.INI", server);
    return form;
  }
};

TEST_F(GeneralPage, TheHomePageIsTheChosenFileRelativeToTheRootOnTheDefaultServer) {
  const struct {
    const char* root;
    const char* server;
    const char* file;
    const char* home;
  } cases[] = {
      {"C:\\Web\\shop", "devbox:8080", "C:\\Web\\shop\\pages\\start.asp", "http://devbox:8080/pages/start.asp"},
      {"C:\\Web\\shop", "", "C:\\Web\\shop\\pages\\start.asp", "pages/start.asp"},
      {"C:\\Web\\shop", "server", "C:\\Web\\img\\a.htm", "http://server/../img/a.htm"},
      {"C:\\Web\\shop", "", "C:\\Web\\img\\a.htm", "../img/a.htm"},
      {"C:\\Web\\shop", "server", "C:\\Web\\shop\\name.htm", "http://server/name.htm"},
      {"c:\\web\\SHOP", "", "C:\\Web\\shop\\Name.htm", "Name.htm"},
      {"D:\\", "", "D:\\start.htm", "start.htm"},
      {"C:\\Web\\shop", "server", "D:\\other\\x.htm", "http://server/"},
      {"C:\\Web\\shop", "", "D:\\other\\x.htm", ""},
      {"", "server", "C:\\x.htm", "http://server/"},
  };
  for (const auto& c : cases) {
    auto form = OpenWindows(c.root, c.server, IniText({"[Browser]", "Homepage=old.htm"}));
    fx.files.choices = {c.file};
    form->cmdBrowse_Click();
    EXPECT_EQ(form->txtHome.text, c.home) << c.root << " + " << c.file;
  }
  const FileDialogRequest& request = fx.files.requests.front();
  EXPECT_EQ(request.title, "Select start page");
  EXPECT_EQ(request.description, "ASP / HTML pages");
  EXPECT_EQ(request.extensions, "htm;*.asp;*.aspx;*.php");
  EXPECT_EQ(request.initial_dir, "C:\\Web\\shop");
  EXPECT_FALSE(request.save_mode);
}

TEST_F(GeneralPage, NativePathsGiveTheSameAddresses) {
  auto form = std::make_unique<frmOrvexOptions>(fx.Native());
  TempDir dir;
  form->Start("/srv/shop", dir.path().string(), "devbox:8080");
  fx.files.choices = {"/srv/shop/pages/a.htm"};
  form->cmdBrowse_Click();
  EXPECT_EQ(form->txtHome.text, "http://devbox:8080/pages/a.htm");
}

TEST_F(GeneralPage, ACancelledFileDialogKeepsTheHomePageAndStillFocusesIt) {
  auto form = OpenWindows("C:\\Web", "srv", IniText({"[Browser]", "Homepage=old.htm"}));
  fx.files.choices = {""};
  form->cmdBrowse_Click();
  EXPECT_EQ(form->txtHome.text, "old.htm");
  EXPECT_EQ(fx.host.focus_requests, std::vector<std::string>{"txtHome"});
}

TEST_F(GeneralPage, TheFolderPickerOpensOnTheRootBoxAndSetsTheRootAtOnce) {
  auto form = OpenWindows("C:\\Web\\shop", "", IniText({"[Browser]", "Homepage=pages/start.asp"}));
  form->txtRoot.text = "C:\\Typed";
  fx.folders.choices = {"", "D:\\"};
  form->cmdBrowseDir_Click();
  EXPECT_EQ(form->RootDir(), "C:\\Web\\shop") << "cancelled";
  EXPECT_EQ(form->txtRoot.text, "C:\\Typed");
  form->cmdBrowseDir_Click();
  EXPECT_EQ(form->RootDir(), "D:\\");
  EXPECT_EQ(form->txtRoot.text, "D:\\");
  EXPECT_EQ(form->txtHome.text, "pages/start.asp") << "addresses already chosen stay";

  ASSERT_EQ(fx.folders.requests.size(), 2u);
  EXPECT_EQ(fx.folders.requests[0].title, "Select application directory");
  EXPECT_EQ(fx.folders.requests[0].default_dir, "C:\\Typed");
  EXPECT_EQ(fx.folders.requests[0].pending, "C:\\Typed");

  fx.files.choices = {"D:\\start.htm"};
  form->cmdBrowse_Click();
  EXPECT_EQ(form->txtHome.text, "start.htm");
}

TEST_F(GeneralPage, ApplyChangeAsksThenRewritesEveryAddressOfTheDialog) {
  auto form = OpenWindows("C:\\Web", "devbox:8080",
                          IniText({"[Browser]", "Homepage=http://DEVBOX:8080/pages/start.asp", "[Toolbar]", "Back=1",
                                   "User1=http://devbox:8080/news.htm", "[User1]", "Caption=News",
                                   "Bitmap=http://devbox:8080/img/news.bmp", "_Old=http://devbox:8080/old.htm",
                                   "[Domains]", "http://devbox:8080/", "javascript:", "http://devbox2:8080/"}));
  form->txtServer.text = "intranet:80";
  fx.messages.answers = {MessageAnswer::Yes};
  form->cmdChangeRoot_Click();

  ASSERT_EQ(fx.messages.shown.size(), 1u);
  EXPECT_EQ(fx.messages.shown[0].text,
            "This will change all URLs where the previous root resides. Do you want to continue?");
  EXPECT_EQ(fx.messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(fx.messages.shown[0].icon, MessageIcon::None);
  EXPECT_EQ(fx.messages.shown[0].title, "Pallix Setup");

  EXPECT_EQ(form->DefServer(), "intranet:80");
  EXPECT_EQ(form->txtHome.text, "http://intranet:80/pages/start.asp");
  EXPECT_EQ(form->txtError.text, "res://error.htm");
  EXPECT_EQ(form->lstDomains.items,
            (std::vector<std::string>{"http://intranet:80/", "javascript:", "http://devbox2:8080/"}));
  const auto& rows = form->lstButtons.rows;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (ToolbarEntry{1, "Back", "<<Back button>>", ""}));
  EXPECT_EQ(rows[1], UserButtonRow("News", "http://intranet:80/news.htm", "http://intranet:80/img/news.bmp"));
  EXPECT_EQ(rows[2].url, "http://intranet:80/old.htm");

  fx.files.choices = {"C:\\Web\\a.htm"};
  form->cmdBrowse_Click();
  EXPECT_EQ(form->txtHome.text, "http://intranet:80/a.htm") << "later choices use the new server";
}

TEST_F(GeneralPage, AnsweringNoChangesNothingButTheTypedServerIsSavedLater) {
  auto form = OpenWindows("C:\\Web", "devbox", IniText({"[Browser]", "Homepage=http://devbox/a.htm"}));
  form->txtServer.text = "web01";
  fx.messages.answers = {MessageAnswer::No};
  form->cmdChangeRoot_Click();
  EXPECT_EQ(form->DefServer(), "devbox");
  EXPECT_EQ(form->txtHome.text, "http://devbox/a.htm");
  EXPECT_EQ(form->txtServer.text, "web01");
  form->cmdOK_Click();
  EXPECT_NE(fx.memory.files["C:\\Cfg\\Orvex.INI"].find("DefaultServer=web01\r\n"), std::string::npos);
}

TEST_F(GeneralPage, WithoutAPreviousServerTheNewOneIsTakenOverAndNothingRewritten) {
  auto form =
      OpenWindows("C:\\Web", "", IniText({"[Browser]", "Homepage=http://host/a.htm", "[Domains]", "http://x/"}));
  form->txtServer.text = "web01";
  fx.messages.answers = {MessageAnswer::Yes};
  form->cmdChangeRoot_Click();
  EXPECT_EQ(form->DefServer(), "web01");
  EXPECT_EQ(form->txtHome.text, "http://host/a.htm");
  EXPECT_EQ(form->lstDomains.items, std::vector<std::string>{"http://x/"});
}

TEST_F(GeneralPage, AServerAppliedWithATrailingSlashShowsInLaterAddresses) {
  auto form = OpenWindows("C:\\Web", "srv:80");
  form->txtServer.text = "srv:80/";
  fx.messages.answers = {MessageAnswer::Yes};
  form->cmdChangeRoot_Click();
  EXPECT_EQ(form->DefServer(), "srv:80/");
  fx.files.choices = {"C:\\Web\\name.htm"};
  form->cmdBrowse_Click();
  EXPECT_EQ(form->txtHome.text, "http://srv:80//name.htm");
}

TEST_F(GeneralPage, ServerRewriteReplacesWholeServersIgnoringLetterCase) {
  const struct {
    const char* address;
    const char* old_server;
    const char* new_server;
    const char* result;
  } cases[] = {
      {"http://DEVBOX:8080/pages/start.asp", "devbox:8080", "intranet:80", "http://intranet:80/pages/start.asp"},
      {"HTTP://SRV/x.htm", "srv", "web01", "HTTP://web01/x.htm"},
      {"http://srv", "srv", "web01", "http://web01"},
      {"http://srv:80/a.htm", "srv", "web01", "http://web01:80/a.htm"},  // a server without port keeps the port
      {"http://srv2/a.htm", "srv", "web01", "http://srv2/a.htm"},
      {"http://srv:8080/a.htm", "srv:80", "web01:81", "http://srv:8080/a.htm"},
      {"http://srv:80/a.htm", "srv:80", "web01:81", "http://web01:81/a.htm"},
      {"http://srv:80/a.htm", "srv:80/", "web01/", "http://web01/a.htm"},
      {"http://srv2/a.htm http://srv/b.htm http://SRV/", "srv", "w", "http://srv2/a.htm http://w/b.htm http://w/"},
      {"res://error.htm", "devbox:8080", "intranet:80", "res://error.htm"},
      {"javascript:", "devbox", "intranet", "javascript:"},
      {"http://devbox/a.htm", "", "intranet", "http://devbox/a.htm"},
      {"http://devbox/a.htm", "devbox", "devbox", "http://devbox/a.htm"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceServer(c.address, c.old_server, c.new_server), c.result)
        << c.address << " with " << c.old_server << " -> " << c.new_server;
}

TEST_F(GeneralPage, AddressBoxesSelectTheirTextOnFocusTheServerBoxOnly24Characters) {
  auto form = OpenWindows("C:\\Web", "a-very-long-server-name.example:8080");
  form->txtHome.text = std::string(1500, 'h');
  form->txtHome_GotFocus();
  EXPECT_EQ(form->txtHome.sel_length, 1024u);
  form->txtError_GotFocus();
  EXPECT_EQ(form->txtError.sel_length, form->txtError.text.size());
  form->txtServer_GotFocus();
  EXPECT_EQ(form->txtServer.sel_start, 0u);
  EXPECT_EQ(form->txtServer.sel_length, 24u);
}

}  // namespace
}  // namespace kgh::test
