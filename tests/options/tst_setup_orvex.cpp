// The host's road: SetupOrvex's dialog operations on real files, from the call to the bytes.
#include "OptionsFakes.h"
#include "platform/ComputerName.h"
#include "platform/PathFlavour.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

class SetupOrvexRoad : public OptionsTest {
 protected:
  TempDir dir;
  ScriptedFormHost forms;
  SetupOrvex Component() {
    return SetupOrvex({.options = {.messages = &messages, .file_dialogs = &files, .host = &host}, .forms = &forms});
  }
};

TEST_F(SetupOrvexRoad, SetupEditsTheFileOrTheFoldersOrvexIni) {
  const std::string folder = dir.File("site"), file = dir.File("my.ini"), link = dir.File("kiosk.ini");
  std::filesystem::create_directory(folder);
  WriteBytes(file, IniText({"[Browser]", "Homepage=old.htm"}));
  const std::string in_folder = folder + PathSeparator(NativePathFlavour()) + "Orvex.INI";
  std::vector<std::pair<std::string, std::string>> targets = {{folder, in_folder}, {file, file}};
  std::error_code no_links;  // a link's target comes with the first save
  std::filesystem::create_symlink(dir.File("not-yet.ini"), link, no_links);
  if (!no_links) targets.emplace_back(link, link);
  forms.script = [](frmOrvexOptions& f) { f.txtHome.text = "start.htm", f.cmdOK_Click(); };
  for (const auto& [target, edited] : targets) {
    Component().Setup(nullptr, "/srv/root", target);
    EXPECT_EQ(forms.opened, edited + "|/srv/root|");
    EXPECT_NE(ReadBytes(edited).find("\r\nHomepage=start.htm\r\n"), std::string::npos) << edited;
  }
  EXPECT_TRUE(no_links || std::filesystem::is_symlink(link)) << "the link stays a link";
  forms.script = [](frmOrvexOptions& f) { f.cmdCancel_Click(); };
  Component().Setup(nullptr, "", dir.File("new"));
  EXPECT_EQ(forms.opened, dir.File("new") + PathSeparator(NativePathFlavour()) + "Orvex.INI||")
      << "a path naming nothing is taken as a folder";
}

TEST_F(SetupOrvexRoad, FromTheHostsCallThroughTheEntryDialogsToTheFileAndBack) {
  const std::string file = dir.File("Orvex.INI");
  ASSERT_TRUE(Component().CreateStartFile(file, "default.asp"));
  host.button_scripts = {ConfirmButton("Shop", "shop.asp")};
  host.domain_scripts = {ConfirmDomain("http://devbox:8080/")};
  forms.script = [](frmOrvexOptions& f) {
    f.cmdButtonOp_Click(Op::kAddButton), f.cmdDomainOp_Click(frmOrvexOptions::kAddDomain), f.cmdOK_Click();
  };
  Component().SetupOrvexEx(nullptr, "/srv/shop", dir.path().string(), "devbox:8080/");
  EXPECT_EQ(forms.opened, file + "|/srv/shop|devbox:8080") << "the server without its trailing slash";
  const std::string bytes = ReadBytes(file);
  for (const char* piece : {"[User1]\r\nCaption=Shop\r\nBitmap=\r\n[Toolbar]\r\n",
                            "Help=1\r\nUser1=shop.asp\r\n[Domains]\r\n",
                            "res:\r\nhttp://devbox:8080/\r\n[PrivateData]\r\nDefaultServer=devbox:8080\r\n"
                            "DefaultRoot=/srv/shop\r\n"})
    EXPECT_NE(bytes.find(piece), std::string::npos) << bytes;
  forms.script = [](frmOrvexOptions& f) { f.txtHome.text = "other.htm", f.cmdCancel_Click(); };
  Component().EditExistingProject(file);
  EXPECT_EQ(forms.opened, file + "|/srv/shop|devbox:8080") << "the remembered root and server";
  EXPECT_EQ(ReadBytes(file), bytes) << "Cancel leaves the file as it was";
  SetupOrvex(ComponentServices{}).Setup(nullptr, "", dir.path().string());  // no form host: nothing happens
  EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(SetupOrvexRoad, CreateNewBuildsTheConfigurationOpensItAndReturnsItsPath) {
  WriteBytes(dir.File("index.htm"), "<html></html>");
  const std::string file = dir.File("kiosk.ini");
  files.choices = {"", file};  // the save dialog is cancelled once: the wizard stays open
  forms.wizard_script = [](frmWizard& wizard) {
    wizard.cmdNav_Click(frmWizard::kNextButton), wizard.cmdEmptyApp_Click();
    if (!wizard.hidden) wizard.cmdNav_Click(frmWizard::kCancelButton);
  };
  forms.script = [](frmOrvexOptions& f) { f.cmdOK_Click(); };
  EXPECT_EQ(Component().CreateNew(), "");
  EXPECT_EQ(forms.opened, "") << "no options dialog";
  EXPECT_EQ(Component().CreateNew(), file);
  const std::string computer = SystemComputerName().ComputerName();
  ASSERT_FALSE(computer.empty()) << "every computer has a name";
  EXPECT_EQ(forms.opened, file + "|" + dir.path().string() + "|" + computer);
  CIniFile2 ini;
  ini.INIFile = file;
  EXPECT_EQ(ReadBrowserSettings(ini).home_page, "http://" + computer + "/index.htm");
  EXPECT_EQ(ReadPrivateData(ini).default_server, computer) << "the options dialog saved on OK";
}

}  // namespace
}  // namespace kgh::test
