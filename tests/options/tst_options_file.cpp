// The options dialog over its file: what opening shows, what OK writes and in which order, what
// Cancel keeps, and that every value a user edits comes back.
#include "OptionsFakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

using OptionsFile = OptionsTest;

TEST_F(OptionsFile, TheTemplateShowsElevenRowsFiveDomainsAndItsSettings) {
  WriteTemplate();
  auto form = Open();
  EXPECT_EQ(Captions(*form), "Back|Fwd|Stop|-|Refresh|-|Home|Print|-|Rendezvous|Help");
  EXPECT_EQ(form->lstButtons.rows[3], (ToolbarEntry{kSeparatorButton, "-", "<<Separator>>", ""}));
  EXPECT_EQ(form->lstButtons.selected, 0);
  EXPECT_EQ(Arrows(*form), "++--") << "Up and Down as designed, Left and Right off for a standard button";
  EXPECT_EQ(form->lstDomains.items,
            (std::vector<std::string>{"http://localhost:{PORT}/", "javascript:", "mailto:", "about:", "res:"}));
  EXPECT_EQ(form->lstDomains.list_index, -1);
  EXPECT_EQ(Shown(*form).substr(0, Shown(*form).find('\n')), "default.asp|res://error.htm|||111100|2 - Use IE engine");
}

TEST_F(OptionsFile, TheTemplateAfterItsFirstAndSecondSave) {
  WriteTemplate();
  auto form = Open("C:\\Web\\shop", "devbox:8080");
  host.button_scripts = {ConfirmButton("Docs", "docs.htm"), ConfirmButton("Guide", "guide.htm")};
  for (int op : {Op::kAddButton, Op::kAddButton, Op::kIndentButton}) form->cmdButtonOp_Click(op);
  form->cmdOK_Click();

  const std::string browser = IniText({"[Browser]", "ErrorPage=res://error.htm", "DisableContextMenu=1", "StatusBar=1",
                                       "AvoidModem=1", "BrowserEngine=2", "Homepage=default.asp", "FullScreen=1",
                                       "SmallToolbar=0", "CloseKelmar=0"}),
                    user = IniText({"[User1]", "Caption=Docs", "Bitmap=", "_Guide=guide.htm"}),
                    toolbar = IniText({"[Toolbar]", "Back=1", "Fwd=1", "Stop=1", "Sep", "Refresh=1", "Sep", "Home=1",
                                       "Print=1", "Sep", "Rendezvous=1", "Help=1", "User1=docs.htm"}),
                    domains = IniText({"[Domains]", "http://localhost:{PORT}/", "javascript:", "mailto:", "about:",
                                       "res:"}),
                    priv = IniText({"[PrivateData]", "DefaultServer=devbox:8080", "DefaultRoot=C:\\Web\\shop"});
  EXPECT_EQ(File(), browser + user + toolbar + domains + priv);
  Open("C:\\Web\\shop", "devbox:8080")->cmdOK_Click();
  EXPECT_EQ(File(), browser + priv + user + toolbar + domains);
}

TEST_F(OptionsFile, AFolderWithoutConfigurationGetsOrvexIniWithEveryKey) {
  auto form = Open();
  EXPECT_EQ(Shown(*form), "|res://error.htm|||111100|3 - Use engine that is installed\n");
  form->cmdOK_Click();
  EXPECT_EQ(File(), IniText({"[Browser]", "Homepage=", "ErrorPage=res://error.htm", "DisableContextMenu=1",
                             "StatusBar=1", "AvoidModem=1", "FullScreen=1", "SmallToolbar=0", "CloseKelmar=0",
                             "BrowserEngine=3", "[Toolbar]", "[Domains]", "[PrivateData]", "DefaultServer=",
                             "DefaultRoot="}));
}

// Any number but 0 is on, and any engine but 1 and 2 is 3; OK writes what the dialog shows.
TEST_F(OptionsFile, OddSwitchAndEngineValuesShowAsABrowserReadsThemAndAreWrittenPlain) {
  auto form = OpenWith({"[Browser]", "BrowserEngine=7", "StatusBar=5", "FullScreen=0", "SmallToolbar=-2"});
  EXPECT_EQ(Shown(*form), "|res://error.htm|||111010|3 - Use engine that is installed\n");
  form->cmdOK_Click();
  EXPECT_EQ(File(), IniText({"[Browser]", "BrowserEngine=3", "StatusBar=1", "FullScreen=0", "SmallToolbar=1",
                             "Homepage=", "ErrorPage=res://error.htm", "DisableContextMenu=1", "AvoidModem=1",
                             "CloseKelmar=0", "[Toolbar]", "[Domains]", "[PrivateData]", "DefaultServer=",
                             "DefaultRoot="}));
}

TEST_F(OptionsFile, CancelAndClosingTheWindowLeaveTheFileByteForByte) {
  WriteTemplate();
  const std::string before = File();
  for (bool by_frame : {false, true}) {
    auto form = Open("C:\\Web", "devbox");
    form->txtHome.text = "changed.htm", form->cbSwitch[SwitchIndex("cbStatusBar")].value = 0;
    host.button_scripts = {ConfirmButton("Docs", "docs.htm")}, host.domain_scripts = {ConfirmDomain("ftp:")};
    form->cmdButtonOp_Click(Op::kAddButton), form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
    by_frame ? form->Form_QueryUnload() : form->cmdCancel_Click();
    EXPECT_TRUE(form->unloaded);
    EXPECT_EQ(File(), before);
  }
}

TEST_F(OptionsFile, EveryEditedValueComesBackWhenTheFileIsOpenedAgain) {
  WriteTemplate();
  auto form = Open("C:\\Web", "");
  form->txtHome.text = "http://intranet/start.htm", form->txtError.text = "denied.htm";
  for (forms::CheckBox& box : form->cbSwitch) box.value = 1 - box.value;
  form->cmbBrowserType.list_index = 0;
  host.button_scripts = {ConfirmButton("Docs", "docs.htm"), ConfirmButton("Guide", "guide.htm"),
                         ConfirmButton("Shop", "shop.asp", "img\\shop.bmp")};
  host.domain_scripts = {ConfirmDomain("http://intranet/")};
  for (int op : {Op::kAddButton, Op::kAddButton, Op::kIndentButton, Op::kAddButton}) form->cmdButtonOp_Click(op);
  form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
  form->lstDomains.list_index = 3, messages.answers = {MessageAnswer::Yes};
  form->cmdDomainOp_Click(frmOrvexOptions::kRemoveDomain);
  form->txtServer.text = "web01:80", form->txtRoot.text = "D:\\New";
  const std::string edited = Shown(*form);
  form->cmdOK_Click();

  const PrivateData remembered = Remembered();
  EXPECT_EQ(Shown(*Open(remembered.default_root, remembered.default_server)), edited);
}

// Help is the help file beside the component, through the help engine; the shell opens it only
// when the engine cannot be called. Ctrl+Tab walks the tabs round; other keys leave them.
TEST_F(OptionsFile, HelpAndCtrlTab) {
  struct RecordingHelp final : HelpService {
    bool engine_callable = true;
    std::vector<std::string> calls;
    bool ShowHtmlHelp(const std::string& file) override { return calls.push_back("engine " + file), engine_callable; }
    void ShellOpen(const std::string& file) override { calls.push_back("shell " + file); }
  } help;
  OptionsServices services = Services();
  services.help = &help, services.component_dir = "C:\\Program Files\\Kelmar";
  frmOrvexOptions form(services);
  form.Start("", path, "");
  form.cmdHelp_Click();
  help.engine_callable = false;
  form.cmdHelp_Click();
  const std::string chm = "C:\\Program Files\\Kelmar\\Pallix.chm";
  EXPECT_EQ(help.calls, (std::vector<std::string>{"engine " + chm, "engine " + chm, "shell " + chm}));

  std::string visited;
  for (int shift : {2, 3, 0, 2, 2, 2}) {  // with Tab
    form.Form_KeyDown(9, shift);
    visited += std::to_string(form.tbsOptions.selected);
    for (std::size_t page = 0; page < form.picOptions.size(); ++page)
      EXPECT_EQ(form.picOptions[page].visible, static_cast<int>(page) == form.tbsOptions.selected);
  }
  EXPECT_EQ(visited, "111230") << "Ctrl+Shift+Tab and plain Tab change nothing; from the last tab to the first";
}

}  // namespace
}  // namespace kgh::test
