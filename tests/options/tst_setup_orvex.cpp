// The host's road: SetupOrvex's dialog operations, from the call to the written file.
#include <gtest/gtest.h>

#include <filesystem>

#include "OptionsFakes.h"
#include "component/SetupOrvex.h"
#include "platform/ComputerName.h"
#include "wizard/frmWizard.h"

namespace kgh::test {
namespace {

class SetupOrvexOperations : public ::testing::Test {
 protected:
  TempDir dir;
  OptionsFixture fx;
  ScriptedFormHost forms;

  SetupOrvex Component() {
    ComponentServices services;
    services.messages = &fx.messages;
    services.forms = &forms;
    services.options_host = &fx.host;
    services.file_dialogs = &fx.files;
    return SetupOrvex(services);
  }
  static std::function<void(frmOrvexOptions&)> SetHomeAndConfirm(std::string home) {
    return [home](frmOrvexOptions& form) {
      form.txtHome.text = home;
      form.cmdOK_Click();
    };
  }
};

TEST_F(SetupOrvexOperations, SetupEditsTheFolderFileOrNewPathItIsGiven) {
  const std::string folder = dir.File("site");
  std::filesystem::create_directory(folder);
  const std::string file = dir.File("my.ini");
  WriteBytes(file, IniText({"[Browser]", "Homepage=old.htm"}));
  const struct {
    std::string target;
    std::string written;
  } cases[] = {{folder, folder + "/Orvex.INI"}, {file, file}};
  for (const auto& c : cases) {
    forms.script = SetHomeAndConfirm("start.htm");
    Component().Setup(nullptr, "/srv/root", c.target);
    EXPECT_EQ(forms.config_path, c.written);
    EXPECT_EQ(forms.root_dir, "/srv/root");
    EXPECT_EQ(forms.def_server, "");
    CIniFile2 ini;
    ini.INIFile = c.written;
    EXPECT_EQ(ReadBrowserSettings(ini).home_page, "start.htm") << c.target;
    EXPECT_EQ(ReadPrivateData(ini).default_root, "/srv/root");
  }

  forms.script = [](frmOrvexOptions& form) { form.cmdCancel_Click(); };
  Component().Setup(nullptr, "/srv/root", dir.File("fresh"));
  EXPECT_EQ(forms.config_path, dir.File("fresh") + "/Orvex.INI") << "a path naming nothing is taken as a folder";
  EXPECT_EQ(forms.shown, 3);
}

TEST_F(SetupOrvexOperations, SetupOrvexExPassesTheServerWithoutItsTrailingSlash) {
  forms.script = [](frmOrvexOptions& form) { form.cmdOK_Click(); };
  Component().SetupOrvexEx(nullptr, "/srv/root", dir.path().string(), "devbox:8080/");
  EXPECT_EQ(forms.def_server, "devbox:8080");
  CIniFile2 ini;
  ini.INIFile = dir.File("Orvex.INI");
  EXPECT_EQ(ReadPrivateData(ini).default_server, "devbox:8080");
}

TEST_F(SetupOrvexOperations, EditExistingProjectOpensWithTheRememberedRootAndServer) {
  const std::string file = dir.File("project.ini");
  WriteBytes(file, IniText({"[PrivateData]", "DefaultServer=devbox:8080", "DefaultRoot=/srv/shop"}));
  forms.script = [](frmOrvexOptions& form) { form.cmdCancel_Click(); };
  Component().EditExistingProject(file);
  EXPECT_EQ(forms.config_path, file);
  EXPECT_EQ(forms.root_dir, "/srv/shop");
  EXPECT_EQ(forms.def_server, "devbox:8080");

  WriteBytes(file, IniText({"[Browser]", "Homepage=a.htm"}));
  Component().EditExistingProject(file);
  EXPECT_EQ(forms.root_dir, "");
  EXPECT_EQ(forms.def_server, "");
}

TEST_F(SetupOrvexOperations, CancelLeavesTheFileAsItWas) {
  const std::string file = dir.File("Orvex.INI");
  ASSERT_TRUE(Component().CreateStartFile(file, "default.asp"));
  const std::string before = ReadBytes(file);
  forms.script = [](frmOrvexOptions& form) {
    form.txtHome.text = "other.htm";
    form.cmdCancel_Click();
  };
  Component().Setup(nullptr, "", file);
  EXPECT_EQ(ReadBytes(file), before);
}

TEST_F(SetupOrvexOperations, WithoutAFormHostNothingIsShownOrWritten) {
  ComponentServices services;
  SetupOrvex(services).Setup(nullptr, "", dir.path().string());
  EXPECT_TRUE(ListFiles(dir.path()).empty());
}

TEST_F(SetupOrvexOperations, FromTheHostsCallThroughTheEntryDialogsToTheFile) {
  const std::string file = dir.File("Orvex.INI");
  ASSERT_TRUE(Component().CreateStartFile(file, "default.asp"));
  fx.host.button_scripts.push_back(ConfirmUserButton("Shop", "shop.asp"));
  fx.host.domain_scripts.push_back(TypeDomainAndConfirm("http://devbox:8080/"));
  forms.script = [](frmOrvexOptions& form) {
    form.tbsOptions.selected = frmOrvexOptions::kToolbarPage;
    form.tbsOptions_Click();
    form.cmdButtonOp_Click(frmOrvexOptions::kAddButton);
    form.tbsOptions.selected = frmOrvexOptions::kDomainsPage;
    form.tbsOptions_Click();
    form.cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
    form.cmdOK_Click();
  };
  Component().SetupOrvexEx(nullptr, "/srv/shop", dir.path().string(), "devbox:8080");

  const std::string bytes = ReadBytes(file);
  EXPECT_NE(bytes.find("[User1]\r\nCaption=Shop\r\nBitmap=\r\n[Toolbar]\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("Help=1\r\nUser1=shop.asp\r\n[Domains]\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("res:\r\nhttp://devbox:8080/\r\n[PrivateData]\r\nDefaultServer=devbox:8080\r\n"
                       "DefaultRoot=/srv/shop\r\n"),
            std::string::npos)
      << bytes;
}

TEST_F(SetupOrvexOperations, CreateNewBuildsTheConfigurationOpensItAndReturnsItsPath) {
  WriteBytes(dir.File("index.htm"), "<html></html>");
  const std::string file = dir.File("kiosk.ini");
  fx.files.choices = {file};
  forms.wizard_script = [](frmWizard& wizard) {
    wizard.cmdNav_Click(frmWizard::kNextButton);
    wizard.cmdEmptyApp_Click();
  };
  forms.script = [](frmOrvexOptions& form) { form.cmdOK_Click(); };
  EXPECT_EQ(Component().CreateNew(), file);

  const std::string computer = SystemComputerName().ComputerName();
  EXPECT_EQ(forms.config_path, file);
  EXPECT_EQ(forms.root_dir, dir.path().string());
  EXPECT_EQ(forms.def_server, computer);
  CIniFile2 ini;
  ini.INIFile = file;
  EXPECT_EQ(ReadBrowserSettings(ini).home_page, "http://" + computer + "/index.htm");
  EXPECT_EQ(ReadDomains(ini), (std::vector<std::string>{"javascript:", "mailto:", "res:", "about:",
                                                         "http://" + computer, "https://" + computer}));
  EXPECT_EQ(ReadPrivateData(ini).default_server, computer) << "the options dialog saved on OK";
}

TEST_F(SetupOrvexOperations, CreateNewReturnsNothingWhenTheWizardIsCancelled) {
  fx.files.choices = {""};
  forms.wizard_script = [](frmWizard& wizard) {
    wizard.cmdNav_Click(frmWizard::kNextButton);
    wizard.cmdEmptyApp_Click();  // the save dialog is cancelled: the wizard stays open
    EXPECT_FALSE(wizard.hidden);
    wizard.cmdNav_Click(frmWizard::kCancelButton);
  };
  EXPECT_EQ(Component().CreateNew(), "");
  EXPECT_EQ(forms.shown, 0);
  EXPECT_TRUE(ListFiles(dir.path()).empty());
}

}  // namespace
}  // namespace kgh::test
