// Addresses made of chosen files (the home page, a button's page and bitmap) and a new default
// server carried into every address of the dialog.
#include "OptionsFakes.h"
#include "options/ServerRewrite.h"

namespace kgh::test {
namespace {

using Addresses = OptionsTest;

TEST_F(Addresses, AChosenFileBecomesAnAddressRelativeToTheRootOnTheDefaultServer) {
  enum Box { kHome, kButtonUrl, kBitmap };
  const struct { Box box; const char *root, *server, *file, *address; } cases[] = {
      {kHome, "C:\\Web\\shop", "devbox:8080", "C:\\Web\\shop\\pages\\start.asp", "http://devbox:8080/pages/start.asp"},
      {kHome, "C:\\Web\\shop", "", "C:\\Web\\shop\\pages\\start.asp", "pages/start.asp"},
      {kHome, "C:\\Web\\shop", "server", "C:\\Web\\img\\a.htm", "http://server/../img/a.htm"},
      {kHome, "c:\\web\\SHOP", "", "C:\\Web\\shop\\Name.htm", "Name.htm"},
      {kHome, "D:\\", "", "D:\\start.htm", "start.htm"},
      {kHome, "C:\\Web\\shop", "server", "D:\\other\\x.htm", "http://server/"},
      {kHome, "C:\\Web\\shop", "", "D:\\other\\x.htm", ""},
      {kHome, "", "server", "C:\\x.htm", "http://server/"},
      {kHome, "C:\\Web", "server", "", "before"},  // cancelled
      {kButtonUrl, "C:\\Web", "intranet:8080", "C:\\Web\\pages\\a.htm", "http://intranet:8080/pages/a.htm"},
      {kButtonUrl, "C:\\Web", "intranet", "D:\\pages\\a.htm", "http://intranet/"},
      {kButtonUrl, "C:\\Web\\shop", "", "C:\\Web\\pages\\a.htm", "../pages/a.htm"},
      {kButtonUrl, "C:\\Web", "intranet", "", "before"},
      // Below the root like a page; else beside the configuration, separators kept; else the full path.
      {kBitmap, "D:\\Web", "", "D:\\Web\\img\\b.bmp", "img/b.bmp"},
      {kBitmap, "D:\\Web", "intranet", "D:\\Web\\img\\b.bmp", "http://intranet/img/b.bmp"},
      {kBitmap, "D:\\Web", "", "C:\\Cfg\\img\\b.bmp", "img\\b.bmp"},
      {kBitmap, "D:\\Web", "intranet", "C:\\Cfg\\img\\b.bmp", "img\\b.bmp"},
      {kBitmap, "D:\\Web", "", "E:\\x.bmp", "E:\\x.bmp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.root) + " + " + c.file);
    auto form = OpenWith({"[Browser]", "Homepage=before"}, c.root, c.server);
    files.choices = {c.file};
    std::string in_dialog;
    host.button_scripts = {[&](dlgButton& d) {
      d.txtURL.text = "before", c.box == kButtonUrl ? d.cmdBrowse_Click() : d.cmdBrowseBitmap_Click();
      in_dialog = (c.box == kButtonUrl ? d.txtURL : d.txtBitmap).text;
      d.CancelButton_Click();
    }};
    c.box == kHome ? form->cmdBrowse_Click() : form->cmdButtonOp_Click(Op::kAddButton);
    EXPECT_EQ(c.box == kHome ? form->txtHome.text : in_dialog, c.address);
  }
  const auto asked = [](const FileDialogRequest& r) {
    return r.title + "|" + r.description + "|" + r.extensions + "|" + r.initial_dir; };
  EXPECT_EQ(asked(files.requests.front()), "Select start page|ASP / HTML pages|htm;*.asp;*.aspx;*.php|C:\\Web\\shop");
  EXPECT_EQ(asked(files.requests.back()), "Select BMP file|BMP files |bmp|D:\\Web");
}

// A host that gave no folder picker: the root stays, and nothing is opened or said.
TEST_F(Addresses, BrowsingForTheRootWithoutAFolderPickerKeepsIt) {
  auto form = Open("C:\\Web", "devbox");
  form->cmdBrowseDir_Click();
  EXPECT_EQ(form->txtRoot.text, "C:\\Web");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Addresses, ApplyChangeAsksThenRewritesEveryAddressOfTheDialog) {
  auto form = OpenWith({"[Browser]", "Homepage=http://DEVBOX:8080/pages/start.asp", "[Toolbar]", "Back=1",
                        "User1=http://devbox:8080/news.htm", "[User1]", "Caption=News",
                        "Bitmap=http://devbox:8080/img/news.bmp", "_Old=http://devbox:8080/old.htm", "[Domains]",
                        "http://devbox:8080/", "javascript:", "http://devbox2:8080/"},
                       "C:\\Web", "devbox:8080");
  form->txtServer.text = "intranet:80", messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
  form->cmdChangeRoot_Click();
  EXPECT_EQ(form->DefServer(), "devbox:8080") << "No changes nothing";
  EXPECT_EQ(form->txtHome.text, "http://DEVBOX:8080/pages/start.asp");
  form->cmdChangeRoot_Click();
  EXPECT_EQ(messages.shown.back().text,
            "This will change all URLs where the previous root resides. Do you want to continue?");
  EXPECT_EQ(form->DefServer(), "intranet:80");
  EXPECT_EQ(Shown(*form), "http://intranet:80/pages/start.asp|res://error.htm|intranet:80|C:\\Web|111100|"
                          "3 - Use engine that is installed\n1 Back <<Back button>> \n"
                          "10 News http://intranet:80/news.htm http://intranet:80/img/news.bmp\n10 " + kMark +
                          "Old http://intranet:80/old.htm \nhttp://intranet:80/\njavascript:\nhttp://devbox2:8080/\n");
}

TEST_F(Addresses, ServerRewriteReplacesWholeServersIgnoringLetterCase) {
  const struct { const char *address, *old_server, *new_server, *result; } cases[] = {
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

}  // namespace
}  // namespace kgh::test
