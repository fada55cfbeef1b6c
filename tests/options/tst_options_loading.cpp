// Opening the options dialog: which file it edits, what every page shows, tabs and help.
#include <gtest/gtest.h>

#include <filesystem>

#include "OptionsFakes.h"

namespace kgh::test {
namespace {

std::string SelectedEngine(const frmOrvexOptions& form) {
  const int index = form.cmbBrowserType.list_index;
  return index < 0 ? "" : form.cmbBrowserType.items[static_cast<std::size_t>(index)].text;
}

std::string CheckBoxes(const frmOrvexOptions& form) {
  std::string out;
  for (const forms::CheckBox* box :
       {&form.cbContentMenu, &form.cbStatusBar, &form.cbModem, &form.cbMaximized, &form.cbSmall, &form.cbCloseKelmar})
    out += std::to_string(box->value);
  return out;
}

using LoadingTest = OptionsDialogTest;

TEST_F(LoadingTest, TheTemplateShowsElevenRowsFiveDomainsAndItsSettings) {
  WriteTemplate(path, "default.asp");
  auto form = Open();

  EXPECT_EQ(Captions(*form), "Back|Fwd|Stop|-|Refresh|-|Home|Print|-|Rendezvous|Help");
  EXPECT_EQ(form->lstButtons.rows[1], (ToolbarEntry{2, "Fwd", "<<Forward button>>", ""}));
  EXPECT_EQ(form->lstButtons.rows[3], (ToolbarEntry{kSeparatorButton, "-", "<<Separator>>", ""}));
  EXPECT_EQ(form->lstButtons.selected, 0);
  const auto& ops = form->cmdButtonOp;
  EXPECT_TRUE(ops[3].enabled && ops[4].enabled) << "Up and Down keep their design state";
  EXPECT_FALSE(ops[5].enabled || ops[6].enabled) << "Left and Right are off for a standard button";

  EXPECT_EQ(form->lstDomains.items,
            (std::vector<std::string>{"http://localhost:{PORT}/", "javascript:", "mailto:", "about:", "res:"}));
  EXPECT_EQ(form->lstDomains.list_index, -1);
  EXPECT_EQ(form->txtHome.text, "default.asp");
  EXPECT_EQ(form->txtError.text, "res://error.htm");
  EXPECT_EQ(CheckBoxes(*form), "111100");
  EXPECT_EQ(SelectedEngine(*form), "2 - Use IE engine");
}

TEST_F(LoadingTest, AMissingFileOpensWithTheDefaults) {
  auto form = std::make_unique<frmOrvexOptions>(fx.Native());
  form->Start("", dir.path().string(), "");  // a folder without a configuration
  EXPECT_EQ(form->ConfigPath(), path);
  EXPECT_EQ(form->txtHome.text, "");
  EXPECT_EQ(form->txtError.text, "res://error.htm");
  EXPECT_EQ(CheckBoxes(*form), "111100");
  EXPECT_EQ(SelectedEngine(*form), "3 - Use engine that is installed");
  EXPECT_TRUE(form->lstButtons.rows.empty());
  EXPECT_TRUE(form->lstDomains.items.empty());
  EXPECT_EQ(form->lstButtons.selected, -1);
  for (const auto& button : form->cmdButtonOp) EXPECT_TRUE(button.enabled);
  EXPECT_FALSE(std::filesystem::exists(path)) << "opening writes nothing";
}

TEST_F(LoadingTest, SwitchesAndEngineAreReadAsTheBrowserReadsThem) {
  const struct {
    const char* engine;
    const char* shown;
  } engines[] = {{"1", "1 - Use Mozilla engine"},
                 {"2", "2 - Use IE engine"},
                 {"0", "3 - Use engine that is installed"},
                 {"7", "3 - Use engine that is installed"},
                 {"x", "3 - Use engine that is installed"}};
  for (const auto& e : engines) {
    auto form = OpenWith(IniText({"[Browser]", "DisableContextMenu=0", "StatusBar=2", "AvoidModem=0", "FullScreen=-1",
                                  "SmallToolbar=5", "CloseKelmar=1", std::string("BrowserEngine=") + e.engine}));
    EXPECT_EQ(SelectedEngine(*form), e.shown) << "BrowserEngine=" << e.engine;
    EXPECT_EQ(CheckBoxes(*form), "010111") << "any value but 0 sets the box, to 1";
  }
}

TEST_F(LoadingTest, TheTargetNamesTheFileOrTheFolderThatHoldsOrvexIni) {
  const std::string folder = dir.File("site");
  std::filesystem::create_directory(folder);
  const std::string file = dir.File("custom.ini");
  WriteBytes(file, IniText({"[Browser]", "Homepage=custom.htm"}));
  WriteBytes(folder + "/Orvex.INI", IniText({"[Browser]", "Homepage=in-folder.htm"}));

  const struct {
    std::string target;
    std::string config_path;
    std::string home;
  } cases[] = {
      {folder, folder + "/Orvex.INI", "in-folder.htm"},
      {file, file, "custom.htm"},
      {dir.File("new"), dir.File("new") + "/Orvex.INI", ""},
  };
  for (const auto& c : cases) {
    frmOrvexOptions form(fx.Native());
    form.Start("", c.target, "");
    EXPECT_EQ(form.ConfigPath(), c.config_path) << c.target;
    EXPECT_EQ(form.txtHome.text, c.home) << c.target;
  }
}

TEST_F(LoadingTest, WindowsTargetsGetABackslashBeforeTheFileName) {
  fx.attributes = {{"C:\\Web\\shop", 0x10}, {"C:\\Web\\my.ini", 0x20}};
  const struct {
    const char* target;
    const char* config_path;
  } cases[] = {{"C:\\Web\\shop", "C:\\Web\\shop\\Orvex.INI"},
               {"C:\\Web\\my.ini", "C:\\Web\\my.ini"},
               {"C:\\Web\\none", "C:\\Web\\none\\Orvex.INI"}};
  for (const auto& c : cases) {
    frmOrvexOptions form(fx.Windows());
    form.Start("C:\\Web", c.target, "");
    EXPECT_EQ(form.ConfigPath(), c.config_path);
  }
}

TEST_F(LoadingTest, TheDefaultServerLosesOneTrailingSlash) {
  const struct {
    const char* given;
    const char* kept;
  } cases[] = {{"devbox:8080/", "devbox:8080"}, {"devbox//", "devbox/"}, {"devbox", "devbox"}, {"", ""}};
  for (const auto& c : cases) {
    auto form = Open("/srv/www", c.given);
    EXPECT_EQ(form->DefServer(), c.kept);
    EXPECT_EQ(form->txtServer.text, c.kept);
    EXPECT_EQ(form->RootDir(), "/srv/www");
    EXPECT_EQ(form->txtRoot.text, "/srv/www");
  }
}

TEST_F(LoadingTest, TheFirstTabIsShownAndCtrlTabCyclesThroughThePages) {
  auto form = Open();
  const auto shown_page = [&] {
    int shown = -1;
    for (std::size_t i = 0; i < form->picOptions.size(); ++i) {
      const forms::Page& page = form->picOptions[i];
      if (page.visible) {
        EXPECT_EQ(shown, -1) << "one page at a time";
        EXPECT_TRUE(page.enabled);
        EXPECT_EQ(page.left, 210);
        shown = static_cast<int>(i);
      } else {
        EXPECT_FALSE(page.enabled);
        EXPECT_EQ(page.left, 210 - 20000);
      }
    }
    return shown;
  };
  EXPECT_EQ(shown_page(), 0);
  for (int expected : {1, 2, 3, 0}) {
    form->Form_KeyDown(9, 2);
    EXPECT_EQ(form->tbsOptions.selected, expected);
    EXPECT_EQ(shown_page(), expected);
  }
  form->Form_KeyDown(9, 3);  // Ctrl+Shift+Tab
  form->Form_KeyDown(9, 0);
  form->Form_KeyDown(13, 2);
  EXPECT_EQ(shown_page(), 0);

  form->tbsOptions.selected = 3;
  form->tbsOptions_Click();
  EXPECT_EQ(shown_page(), 3);
}

TEST_F(LoadingTest, HelpTriesTheHelpEngineThenTheShell) {
  OptionsServices services = fx.Native();
  services.component_dir = "/opt/component";
  frmOrvexOptions form(services);
  form.Start("", path, "");

  form.cmdHelp_Click();
  EXPECT_EQ(fx.help.help_engine_calls, std::vector<std::string>{"/opt/component/Pallix.chm"});
  EXPECT_TRUE(fx.help.shell_opens.empty()) << "the engine's own answer is not looked at";

  fx.help.engine_callable = false;
  form.cmdHelp_Click();
  EXPECT_EQ(fx.help.shell_opens, std::vector<std::string>{"/opt/component/Pallix.chm"});
}

}  // namespace
}  // namespace kgh::test
