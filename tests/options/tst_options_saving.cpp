// Confirming the options dialog: what reaches the file, in which order, and what Cancel keeps.
#include <gtest/gtest.h>

#include <filesystem>

#include "OptionsFakes.h"
#include "component/SetupOrvex.h"
#include "config/CIniFile2.h"

namespace kgh::test {
namespace {

using Op = frmOrvexOptions::ButtonOp;
const std::string kMark = "\xC2\xB7\xC2\xB7\xC2\xB7";

// Everything a user can see of a loaded dialog.
struct Shown {
  std::string home, error, server, root, engine;
  std::vector<int> boxes;
  std::vector<ToolbarEntry> rows;
  std::vector<std::string> domains;
  bool operator==(const Shown&) const = default;
};

Shown ShownIn(const frmOrvexOptions& form) {
  Shown s{form.txtHome.text, form.txtError.text, form.txtServer.text, form.txtRoot.text, "", {}, {}, {}};
  if (form.cmbBrowserType.list_index >= 0)
    s.engine = form.cmbBrowserType.items[static_cast<std::size_t>(form.cmbBrowserType.list_index)].text;
  for (const forms::CheckBox* box :
       {&form.cbContentMenu, &form.cbStatusBar, &form.cbModem, &form.cbMaximized, &form.cbSmall, &form.cbCloseKelmar})
    s.boxes.push_back(box->value);
  s.rows = form.lstButtons.rows;
  s.domains = form.lstDomains.items;
  return s;
}

class SavingTest : public OptionsDialogTest {
 protected:
  std::string Section(const std::string& name) {
    CIniFile2 ini;
    ini.INIFile = path;
    ini.Section = name;
    return ini.GetSection();
  }
  static std::string Lines(const std::vector<std::string>& lines) { return JoinSectionText(lines); }

  // Adds a user button through the button dialog, and makes it a sub-entry when asked.
  void AddUserButton(frmOrvexOptions& form, const std::string& caption, const std::string& url, bool sub = false) {
    fx.host.button_scripts.push_back(ConfirmUserButton(caption, url));
    form.cmdButtonOp_Click(Op::kAddButton);
    if (sub) form.cmdButtonOp_Click(Op::kIndentButton);
  }
};

TEST_F(SavingTest, TheTemplateAfterItsFirstAndSecondSave) {
  WriteTemplate(path, "default.asp");
  auto form = Open("/srv/shop", "devbox:8080");
  AddUserButton(*form, "Docs", "docs.htm");
  AddUserButton(*form, "Guide", "guide.htm", true);
  form->cmdOK_Click();
  EXPECT_TRUE(form->unloaded);

  const std::vector<std::string> browser = {
      "[Browser]",       "ErrorPage=res://error.htm", "DisableContextMenu=1", "StatusBar=1",    "AvoidModem=1",
      "BrowserEngine=2", "Homepage=default.asp",      "FullScreen=1",         "SmallToolbar=0", "CloseKelmar=0"};
  const std::vector<std::string> user = {"[User1]", "Caption=Docs", "Bitmap=", "_Guide=guide.htm"};
  const std::vector<std::string> toolbar = {"[Toolbar]",    "Back=1", "Fwd=1",         "Stop=1",  "Sep",
                                            "Refresh=1",    "Sep",    "Home=1",        "Print=1", "Sep",
                                            "Rendezvous=1", "Help=1", "User1=docs.htm"};
  const std::vector<std::string> domains = {
      "[Domains]", "http://localhost:{PORT}/", "javascript:", "mailto:", "about:", "res:"};
  const std::vector<std::string> private_data = {"[PrivateData]", "DefaultServer=devbox:8080", "DefaultRoot=/srv/shop"};
  const auto join = [](std::initializer_list<std::vector<std::string>> sections) {
    std::vector<std::string> lines;
    for (const auto& s : sections) lines.insert(lines.end(), s.begin(), s.end());
    return IniText(lines);
  };
  EXPECT_EQ(ReadBytes(path), join({browser, user, toolbar, domains, private_data}));

  Open("/srv/shop", "devbox:8080")->cmdOK_Click();
  EXPECT_EQ(ReadBytes(path), join({browser, private_data, user, toolbar, domains}));
}

TEST_F(SavingTest, EditedValuesComeBackWhenTheFileIsOpenedAgain) {
  WriteTemplate(path, "default.asp");
  auto form = Open("/srv/shop", "");
  form->txtHome.text = "http://intranet/start.htm";
  form->txtError.text = "denied.htm";
  form->cbContentMenu.value = 0;
  form->cbSmall.value = 1;
  form->cbCloseKelmar.value = 1;
  form->cmbBrowserType.list_index = 0;
  AddUserButton(*form, "Docs", "docs.htm");
  AddUserButton(*form, "Guide", "guide.htm", true);
  fx.host.button_scripts.push_back(ConfirmUserButton("Shop", "shop.asp", "img/shop.bmp"));
  form->cmdButtonOp_Click(Op::kAddButton);
  fx.host.domain_scripts.push_back(TypeDomainAndConfirm("http://intranet/"));
  form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
  form->lstDomains.list_index = 3;
  fx.messages.answers = {MessageAnswer::Yes};
  form->cmdDomainOp_Click(frmOrvexOptions::kRemoveDomain);
  form->txtServer.text = "web01:80";
  form->txtRoot.text = "/srv/new";
  const Shown edited = ShownIn(*form);
  form->cmdOK_Click();

  auto again = Open("/srv/new", "web01:80");
  EXPECT_EQ(ShownIn(*again), edited);
  CIniFile2 ini;
  ini.INIFile = path;
  const PrivateData remembered = ReadPrivateData(ini);
  EXPECT_EQ(remembered.default_server, "web01:80");
  EXPECT_EQ(remembered.default_root, "/srv/new");
}

TEST_F(SavingTest, CancelAndClosingTheWindowLeaveTheFileByteForByte) {
  WriteTemplate(path, "default.asp");
  const std::string before = ReadBytes(path);
  for (bool by_frame : {false, true}) {
    auto form = Open("/srv/shop", "devbox");
    form->txtHome.text = "changed.htm";
    form->cbStatusBar.value = 0;
    AddUserButton(*form, "Docs", "docs.htm");
    fx.host.domain_scripts.push_back(TypeDomainAndConfirm("ftp:"));
    form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
    bool closed = false;
    form->on_closed = [&closed] { closed = true; };
    by_frame ? form->Form_QueryUnload() : form->cmdCancel_Click();
    EXPECT_TRUE(form->unloaded);
    EXPECT_TRUE(closed);
    EXPECT_EQ(ReadBytes(path), before);
  }
}

TEST_F(SavingTest, UserSectionsAreNumberedByRowsSoSubEntriesTakeNumbers) {
  auto form = OpenWith(IniText({"[Toolbar]", "Back=1", "Sep", "User1=a.htm", "User2=b.htm", "[User1]", "Caption=A",
                                "_a1=a1.htm", "_a2=a2.htm", "[User2]", "Caption=B"}));
  ASSERT_EQ(Captions(*form), "Back|-|A|" + kMark + "a1|" + kMark + "a2|B");
  form->cmdOK_Click();
  EXPECT_EQ(Section("Toolbar"), Lines({"Back=1", "Sep", "User1=a.htm", "User4=b.htm"}));
  EXPECT_EQ(Section("User1"), Lines({"Caption=A", "Bitmap=", "_a1=a1.htm", "_a2=a2.htm"}));
  EXPECT_EQ(Section("User4"), Lines({"Caption=B", "Bitmap="}));
}

TEST_F(SavingTest, ARemovedSubEntryDoesNotComeBack) {
  auto form = OpenWith(IniText({"[Toolbar]", "User1=a.htm", "[User1]", "Caption=A", "_x=x.htm", "_y=y.htm"}));
  ClickRow(*form, 1);
  fx.messages.answers = {MessageAnswer::Yes};
  form->cmdButtonOp_Click(Op::kRemoveButton);
  form->cmdOK_Click();
  EXPECT_EQ(Captions(*Open()), "A|" + kMark + "y");
}

TEST_F(SavingTest, EmptyServerAndRootBoxesKeepTheDialogsValues) {
  auto form = OpenWith("", "/srv/shop", "devbox:1/");
  form->txtServer.text = "";
  form->txtRoot.text = "";
  form->cmdOK_Click();
  EXPECT_EQ(Section("PrivateData"), Lines({"DefaultServer=devbox:1", "DefaultRoot=/srv/shop"}));
}

TEST_F(SavingTest, AServerTypedWithASlashIsSavedWithItAndDroppedOnTheNextOpening) {
  auto form = OpenWith("");
  form->txtServer.text = "srv:80/";
  form->cmdOK_Click();
  EXPECT_EQ(Section("PrivateData"), Lines({"DefaultServer=srv:80/", "DefaultRoot="}));

  ScriptedFormHost host;
  ComponentServices services;
  services.forms = &host;
  host.script = [](frmOrvexOptions& dialog) { dialog.cmdCancel_Click(); };
  SetupOrvex(services).EditExistingProject(path);
  EXPECT_EQ(host.def_server, "srv:80");
}

TEST_F(SavingTest, WithoutAnEngineSelectedTheBrowserGetsEngineThree) {
  auto form = OpenWith(IniText({"[Browser]", "BrowserEngine=1"}));
  form->cmbBrowserType.list_index = -1;
  form->cmdOK_Click();
  CIniFile2 ini;
  ini.INIFile = path;
  ini.Section = "Browser";
  EXPECT_EQ(ini.GetString("BrowserEngine"), "3");
}

TEST_F(SavingTest, AFolderWithoutConfigurationGetsOrvexIniWithEveryKey) {
  frmOrvexOptions form(fx.Native());
  form.Start("", dir.path().string(), "");
  form.cmdOK_Click();
  EXPECT_EQ(ReadBytes(path),
            IniText({"[Browser]", "Homepage=", "ErrorPage=res://error.htm", "DisableContextMenu=1", "StatusBar=1",
                     "AvoidModem=1", "FullScreen=1", "SmallToolbar=0", "CloseKelmar=0", "BrowserEngine=3", "[Toolbar]",
                     "[Domains]", "[PrivateData]", "DefaultServer=", "DefaultRoot="}));
}

TEST_F(SavingTest, AFileThatCannotBeWrittenReportsOnlyTheSectionRemovalsAndStillCloses) {
  const std::string blocker = dir.File("plain-file");
  WriteBytes(blocker, "not a folder");
  frmOrvexOptions form(fx.Native());
  form.Start("", blocker + "/sub", "");
  AddUserButton(form, "Docs", "docs.htm");
  form.cmdOK_Click();

  std::vector<std::string> boxes;
  for (const MessageRequest& shown : fx.messages.shown) {
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.title, "Pallix Setup");
    boxes.push_back(shown.text);
  }
  EXPECT_EQ(boxes.size(), 3u) << "[User1], [Toolbar] and [Domains] could not be removed";
  EXPECT_TRUE(form.unloaded);
  EXPECT_EQ(ReadBytes(blocker), "not a folder");
}

}  // namespace
}  // namespace kgh::test
