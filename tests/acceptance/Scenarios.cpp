// The dialogs as a user meets them, the same on every front-end: what the user does, named as the
// user sees it, then what assistive technology reads and what the file holds afterwards.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "acceptance/Scenario.h"
#include "component/SetupOrvex.h"
#include "config/BrowserSettings.h"
#include "support/TempDir.h"

namespace kgh::acceptance {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

constexpr const char* kOptions = "Pallix Browser Options";
constexpr const char* kButtonDialog = "Button properties";
constexpr const char* kDomainDialog = "Enter domain";
constexpr const char* kWizardPrefix = "Pallix Browser Configuration Wizard - ";
const std::string kDots = "\xC2\xB7\xC2\xB7\xC2\xB7";  // the mark before a sub-entry's caption

// A configuration file in a folder of its own, opened in the options dialog as a host opens it.
class OpenConfiguration {
 public:
  OpenConfiguration(Driver& d, const std::string& bytes) : d_(d) {
    WriteBytes(path, bytes);
    d_.SetComponentFolder(KGH_COMPONENT_FOLDER);
    d_.StartHostCall([file = path](SetupOrvex& component) {
      component.SetupOrvexEx(nullptr, "C:\\web", file, "devbox:8080/");
    });
    EXPECT_TRUE(d_.WaitForWindow(kOptions));
  }
  // Waits for the dialog to close and the host's call to return.
  void Closed() { EXPECT_TRUE(d_.WaitForHostCall()); }
  std::string Bytes() const { return ReadBytes(path); }

  TempDir dir;
  std::string path = dir.File("Orvex.INI");

 private:
  Driver& d_;
};

std::string StartFile() { return ReadBytes(KGH_FIXTURES "/start-file.ini"); }

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

// --- The options dialog ---------------------------------------------------------------------

SCENARIO(OptionsDialog, TabsNameTheirPagesAndCtrlTabTurnsThem) {
  OpenConfiguration file(d, StartFile());
  const TabsState tabs = d.Tabs();
  EXPECT_EQ(tabs.captions, (std::vector<std::string>{"General", "Allowed domains", "Toolbar buttons", "Other"}));
  EXPECT_EQ(tabs.tool_tips, (std::vector<std::string>{"Setup general options", "Domains that are allowed with the Orvex",
                                                      "Setup toolbar buttons", "Other options of the Orvex"}));
  EXPECT_EQ(tabs.selected, 0);
  EXPECT_TRUE(d.Control("Home page").visible);
  d.Picture("options-general");
  d.Press("Ctrl+Tab");
  EXPECT_EQ(d.Tabs().selected, 1);
  EXPECT_TRUE(d.Control("Add...").visible);
  EXPECT_FALSE(d.Control("Home page").visible);
  d.Press("Ctrl+Tab");
  d.Press("Ctrl+Tab");
  EXPECT_EQ(d.Tabs().selected, 3);
  d.Press("Ctrl+Tab");
  EXPECT_EQ(d.Tabs().selected, 0) << "from the last tab round to the first";
  d.Press("Esc");
  file.Closed();
  EXPECT_EQ(file.Bytes(), StartFile()) << "Esc writes nothing";
}

// Each page's controls as assistive technology names them (a box and its label alike), in
// alphabetical order.
const std::pair<const char*, std::vector<std::string>> kPages[] = {
    {"General",
     {"Apply change...", "Browse for home page", "Browse for root directory", "Default server", "Default server",
      "Defaults", "Error page", "Error page", "Home page", "Home page", "Pages", "Root directory", "Root directory",
      "The default server (server:port) specifies on which server your web application resides",
      "The error page is shown when user has no rights to navigate", "The home page is shown as the very first page",
      "The root directory is where web application files are"}},
    {"Allowed domains", {"Add...", "Change...", "Domains", "Domains", "Remove"}},
    {"Toolbar buttons",
     {"Add", "Change...", "Custom buttons", "Custom buttons", "Make sub-entry", "Make top-level button", "Move down",
      "Move up", "Remove"}},
    {"Other",
     {"Browser engine", "Close Kelmar compiler", "Disable content menus", "Presentation options",
      "Skip modem connection", "Start maximized", "Use browser engine:", "Use browser engine:",
      "Use small toolbar buttons", "Visible status bar"}},
};

SCENARIO(OptionsDialog, EveryPageShowsItsNamedControlsInsideTheTabStripAndClearOfTheButtons) {
  OpenConfiguration file(d, StartFile());
  for (const auto& [tab, expected] : kPages) {
    d.ClickTab(tab);
    const DialogLayout layout = d.OptionsLayout();
    ASSERT_EQ(layout.pages.size(), 4u);
    const auto page = static_cast<std::size_t>(d.Tabs().selected);
    EXPECT_TRUE(layout.tab_display.Contains(layout.pages[page])) << tab;
    std::vector<std::string> names;
    for (const auto& [name, box] : layout.page_controls[page])
      if (name != "Toolbar preview") names.push_back(name);  // a picture of the toolbar that one front-end adds
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected) << tab;
    const auto& controls = layout.page_controls[page];
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const auto& [name, box] = controls[i];
      EXPECT_TRUE(layout.pages[page].Contains(box)) << tab << ": \"" << name << "\" runs out of its page";
      for (const auto& [button, button_box] : layout.push_buttons)
        EXPECT_FALSE(box.Overlaps(button_box)) << tab << ": \"" << name << "\" lies over " << button;
      // Controls lie side by side, or one frames the other.
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const auto& [other, other_box] = controls[j];
        EXPECT_TRUE(!box.Overlaps(other_box) || box.Contains(other_box) || other_box.Contains(box))
            << tab << ": \"" << name << "\" and \"" << other << "\" lie over each other";
      }
    }
    for (const auto& [button, button_box] : layout.push_buttons)
      EXPECT_FALSE(layout.pages[page].Overlaps(button_box)) << tab << ": the page lies over " << button;
  }
  // The window is as large as what it holds.
  const Box window = d.WindowBox(kOptions);
  const DialogLayout layout = d.OptionsLayout();
  EXPECT_TRUE(window.Contains(layout.tab_display));
  for (const auto& [button, button_box] : layout.push_buttons)
    EXPECT_TRUE(window.Contains(button_box)) << button << " lies outside the window";
  d.Picture("options-other");
  d.Press("Esc");
  file.Closed();
}

// A caption as assistive technology reads it: without the "&" before the access key.
std::string Plain(std::string_view caption) {
  std::string plain;
  for (const char c : caption)
    if (c != '&') plain += c;
  return plain;
}

// Every [Browser] setting is shown on the page its declaration names and on no other, so that a
// setting declared anew appears where it was declared, on every front-end.
SCENARIO(OptionsDialog, EverySettingIsShownOnThePageItsDeclarationNamesAndNowhereElse) {
  OpenConfiguration file(d, StartFile());
  std::vector<ShownAs> settings;
  BrowserSettings values;
  ForEachBrowserSetting(values, [&](const auto& declaration, auto&) { settings.push_back(declaration.shown); });
  const std::vector<std::string> tabs = d.Tabs().captions;
  for (std::size_t page = 0; page < tabs.size(); ++page) {
    d.ClickTab(tabs[page]);
    for (const ShownAs& setting : settings)
      EXPECT_EQ(d.Control(Plain(setting.caption)).visible, static_cast<std::size_t>(setting.page) == page)
          << Plain(setting.caption) << " on \"" << tabs[page] << "\"";
  }
  d.Press("Esc");
  file.Closed();
}

SCENARIO(OptionsDialog, AnAccessKeyOnTheOtherPageAndEnterWriteWhatEveryFrontEndWrites) {
  OpenConfiguration file(d, StartFile());
  d.Press("Ctrl+Tab");
  d.Press("Ctrl+Tab");
  d.Press("Ctrl+Tab");
  EXPECT_TRUE(d.Control("Start maximized").checked);
  d.Press("Alt+T");
  EXPECT_FALSE(d.Control("Start maximized").checked);
  d.Press("Enter");
  file.Closed();
  EXPECT_EQ(file.Bytes(), ReadBytes(KGH_FIXTURES "/start-file-maximized-off.ini"));
}

// Enter presses the button that has the focus: on Cancel it cancels, whatever was changed.
SCENARIO(OptionsDialog, EnterOnTheFocusedCancelButtonCancels) {
  OpenConfiguration file(d, StartFile());
  d.Press("Ctrl+Tab");
  d.Press("Ctrl+Tab");
  d.Press("Ctrl+Tab");
  d.Press("Alt+T");
  EXPECT_FALSE(d.Control("Start maximized").checked);
  for (int tabs = 0; tabs < 20 && d.FocusedControl() != "Cancel"; ++tabs) d.Press("Tab");
  ASSERT_EQ(d.FocusedControl(), "Cancel");
  d.Press("Enter");
  file.Closed();
  EXPECT_EQ(file.Bytes(), StartFile());
}

SCENARIO(OptionsDialog, AHomePageTypedOverTheSelectionIsWritten) {
  OpenConfiguration file(d, StartFile());
  d.Press("Alt+H");
  EXPECT_EQ(d.FocusedControl(), "Home page");
  d.Type("index.htm");
  EXPECT_EQ(d.Control("Home page").value, "index.htm") << "the old address was selected on entry";
  d.Press("Enter");
  file.Closed();
  std::string expected = StartFile();
  expected.replace(expected.find("Homepage=start.htm"), 18, "Homepage=index.htm");
  EXPECT_EQ(file.Bytes().substr(0, expected.find("[Toolbar]")), expected.substr(0, expected.find("[Toolbar]")));
}

SCENARIO(OptionsDialog, HelpAndF1OpenThePageAboutWhatIsInFront) {
  OpenConfiguration file(d, StartFile());
  d.Press("F1");
  d.ClickTab("Toolbar buttons");
  d.Click("Help");
  d.Click("Add");
  ASSERT_TRUE(d.WaitForWindow(kButtonDialog));
  d.Press("F1");
  EXPECT_EQ(d.ActiveWindow(), kButtonDialog) << "help leaves the dialog open";
  d.Press("Esc");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  d.ClickTab("Allowed domains");
  d.Press("Alt+A");
  ASSERT_TRUE(d.WaitForWindow(kDomainDialog));
  d.Press("F1");
  d.Press("Esc");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  d.Press("F1");
  EXPECT_EQ(d.HelpPagesOpened(), (std::vector<std::string>{"options-general.html", "options-toolbar.html",
                                                           "button-dialog.html", "domain-dialog.html",
                                                           "options-domains.html"}));
  d.Press("Esc");
  file.Closed();
}

// --- Allowed domains and the domain dialog ---------------------------------------------------

SCENARIO(DomainDialog, AnEntryTypedAndConfirmedIsListedAndSaved) {
  OpenConfiguration file(d, StartFile());
  d.ClickTab("Allowed domains");
  d.Picture("options-domains");
  d.Press("Alt+A");
  ASSERT_TRUE(d.WaitForWindow(kDomainDialog));
  EXPECT_EQ(d.ShownWindows().size(), 2u) << "the domain dialog stands over the options dialog";
  EXPECT_EQ(d.FocusedControl(), "Enter domain (such as http://somehost) or IP mask (such as 192.168.*.*)");
  d.Type("http://intranet.example");
  d.Picture("domain-dialog");
  d.Press("Enter");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  const ListState domains = d.List("Domains");
  EXPECT_EQ(domains.rows.back(), "http://intranet.example");
  d.Press("Enter");
  file.Closed();
  EXPECT_NE(file.Bytes().find("res:\r\nhttp://intranet.example\r\n"), std::string::npos);
}

SCENARIO(DomainDialog, ARemovedEntryPassesTheSelectionToTheOneBeforeItWhichTheNextRemoveTakes) {
  OpenConfiguration file(d, Lines({"[Domains]", "about:", "mailto:", "res:"}));
  const auto remove = [&](const std::string& entry) {
    d.Click("Remove");
    ASSERT_TRUE(Eventually([&] { return d.MessageText() == "Remove '" + entry + "' ?"; })) << d.MessageText();
    d.Press("Enter");
    ASSERT_TRUE(d.WaitForWindow(kOptions));
  };
  d.ClickTab("Allowed domains");
  d.ClickRow("Domains", 1);
  remove("mailto:");
  EXPECT_EQ(d.List("Domains").rows, (std::vector<std::string>{"about:", "res:"}));
  EXPECT_EQ(d.List("Domains").selected, (std::vector<int>{0}));
  remove("about:");
  EXPECT_EQ(d.List("Domains").rows, (std::vector<std::string>{"res:"}));
  d.Press("Enter");
  file.Closed();
  EXPECT_NE(file.Bytes().find(Lines({"[Domains]", "res:"})), std::string::npos) << file.Bytes();
  EXPECT_EQ(file.Bytes().find("about:"), std::string::npos) << file.Bytes();
}

// --- Toolbar buttons and the button dialog -------------------------------------------------

SCENARIO(ButtonDialog, OpensOverTheOptionsDialogAndAddsTheSelectedRow) {
  OpenConfiguration file(d, StartFile());
  d.ClickTab("Toolbar buttons");
  EXPECT_EQ(d.List("Custom buttons").selected, (std::vector<int>{0})) << "the first row, whole, at load";
  d.Picture("options-toolbar");
  d.DragWindow(-150, -100);  // away from the middle of the screen
  d.Click("Add");
  ASSERT_TRUE(d.WaitForWindow(kButtonDialog));
  const Box options = d.WindowBox(kOptions), button = d.WindowBox(kButtonDialog);
  EXPECT_LE(std::abs(options.CentreX() - button.CentreX()), 8) << "centred over the options dialog";
  EXPECT_LE(std::abs(options.CentreY() - button.CentreY()), 8) << "centred over the options dialog";
  d.Press("Alt+C");
  EXPECT_EQ(d.FocusedControl(), "Caption:");
  d.Type("Docs");
  d.Press("Alt+D");
  d.Type("docs.htm");
  d.Picture("button-dialog");
  d.Press("Enter");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  const ListState rows = d.List("Custom buttons");
  ASSERT_EQ(rows.rows.size(), 12u);
  EXPECT_EQ(rows.rows[11], "Docs");
  EXPECT_EQ(rows.selected, (std::vector<int>{11})) << "the new row, whole";
  d.Press("Enter");
  file.Closed();
  const std::string bytes = file.Bytes();
  EXPECT_NE(bytes.find("Help=1\r\nUser1=docs.htm\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find(Lines({"[User1]", "Caption=Docs", "Bitmap="})), std::string::npos) << bytes;
}

SCENARIO(ButtonDialog, AnEmptyCaptionIsRefusedInAMessageBox) {
  OpenConfiguration file(d, StartFile());
  d.ClickTab("Toolbar buttons");
  d.Click("Add");
  ASSERT_TRUE(d.WaitForWindow(kButtonDialog));
  EXPECT_EQ(d.FocusedControl(), "Type of the button");
  d.Press("Enter");
  ASSERT_TRUE(Eventually([&] { return d.MessageText() == "Please enter button's caption"; })) << d.MessageText();
  EXPECT_EQ(d.ShownWindows().size(), 3u);
  d.Press("Enter");
  ASSERT_TRUE(d.WaitForWindow(kButtonDialog));
  EXPECT_EQ(d.FocusedControl(), "Type of the button") << "the focus where it was";
  d.Press("Esc");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  EXPECT_EQ(d.List("Custom buttons").rows.size(), 11u) << "Esc adds nothing";
  d.Press("Esc");
  file.Closed();
  EXPECT_EQ(file.Bytes(), StartFile());
}

// A user button "Docs" with its sub-entry "Guide".
std::string FileWithASubEntry() {
  return Lines({"[Toolbar]", "Back=1", "User1=docs.htm", "[User1]", "Caption=Docs", "_Guide=guide.htm"});
}

SCENARIO(ButtonDialog, TheSubEntryMarkReadsAsDotsAndTypedMakesASubEntry) {
  OpenConfiguration file(d, FileWithASubEntry());
  d.ClickTab("Toolbar buttons");
  EXPECT_EQ(d.List("Custom buttons").rows, (std::vector<std::string>{"Back", "Docs", kDots + "Guide"}));
  d.ClickRow("Custom buttons", 2);
  d.Click("Add");
  ASSERT_TRUE(d.WaitForWindow(kButtonDialog));
  d.Press("Alt+C");
  d.Type(kDots + "FAQ");
  EXPECT_EQ(d.Control("Caption:").value, kDots + "FAQ");
  d.Press("Alt+D");
  d.Type("faq.htm");
  d.Press("Enter");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  EXPECT_EQ(d.List("Custom buttons").rows, (std::vector<std::string>{"Back", "Docs", kDots + "Guide", kDots + "FAQ"}));
  d.Press("Enter");
  file.Closed();
  EXPECT_NE(file.Bytes().find(Lines({"[User1]", "Caption=Docs", "Bitmap=", "_Guide=guide.htm", "_FAQ=faq.htm"})),
            std::string::npos)
      << file.Bytes();
}

SCENARIO(ToolbarPage, DisabledArrowsStillShowTheirArrows) {
  OpenConfiguration file(d, FileWithASubEntry());
  d.ClickTab("Toolbar buttons");
  d.ClickRow("Custom buttons", 0);
  for (const char* arrow : {"Make top-level button", "Make sub-entry"}) {
    EXPECT_FALSE(d.Control(arrow).enabled) << arrow << " on a standard button";
    EXPECT_GT(d.ColoursShown(arrow), 1) << arrow << " shows no arrow";
  }
  d.ClickRow("Custom buttons", 1);
  EXPECT_TRUE(d.Control("Make sub-entry").enabled);
  EXPECT_EQ(d.List("Custom buttons").selected, (std::vector<int>{1}));
  d.Click("Move up");
  EXPECT_EQ(d.List("Custom buttons").rows, (std::vector<std::string>{"Docs", "Back", kDots + "Guide"}));
  EXPECT_EQ(d.List("Custom buttons").selected, (std::vector<int>{0}));
  d.Press("Esc");
  file.Closed();
  EXPECT_EQ(file.Bytes(), FileWithASubEntry());
}

SCENARIO(ToolbarPage, RemovingAButtonAsksFirst) {
  OpenConfiguration file(d, FileWithASubEntry());
  d.ClickTab("Toolbar buttons");
  d.ClickRow("Custom buttons", 1);
  d.Click("Remove");
  ASSERT_TRUE(Eventually([&] { return d.MessageText() == "Are you sure you want to remove 'Docs'?"; }))
      << d.MessageText();
  d.Press("Esc");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  EXPECT_EQ(d.List("Custom buttons").rows.size(), 3u) << "Esc answers no";
  d.Click("Remove");
  ASSERT_TRUE(Eventually([&] { return !d.MessageText().empty(); }));
  d.Press("Enter");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  EXPECT_EQ(d.List("Custom buttons").rows, (std::vector<std::string>{"Back", kDots + "Guide"})) << "the row alone";
  d.Press("Enter");
  file.Closed();
  EXPECT_EQ(file.Bytes().find("Caption=Docs"), std::string::npos) << file.Bytes();
}

// --- The wizard ------------------------------------------------------------------------------

bool IsWizard(const std::string& title) { return title.rfind(kWizardPrefix, 0) == 0; }

SCENARIO(Wizard, TheTitleFollowsTheStepsAndTheWizardStepsAsideForTheOptions) {
  TempDir dir;
  const std::string built = dir.File("Orvex.INI");
  // The call may outlive a scenario that failed half way: it holds the answer with it.
  const auto answer = std::make_shared<std::string>("(none)");
  d.SetComponentFolder(KGH_COMPONENT_FOLDER);
  d.StartHostCall([answer](SetupOrvex& component) { *answer = component.CreateNew(); });
  ASSERT_TRUE(Eventually([&] { return IsWizard(d.ActiveWindow()); }));
  const std::string introduction = d.ActiveWindow();
  d.Picture("wizard-1-introduction");
  d.Press("Enter");
  ASSERT_TRUE(Eventually([&] { return d.ActiveWindow() != introduction; })) << "the title stays " << introduction;
  const std::string step1 = d.ActiveWindow();
  EXPECT_TRUE(IsWizard(step1)) << step1;
  EXPECT_TRUE(d.Control("< Back").enabled);
  // Each step shows its own controls only. Tab goes on from Next past the disabled Finish to the
  // step's first way to build, a picture button named by the text beside it.
  EXPECT_TRUE(d.Control("Create empty configuration").visible);
  EXPECT_FALSE(d.Control("Save current settings as default").visible);
  d.Press("Tab");
  EXPECT_TRUE(Eventually([&] {
    return d.FocusedControl() == "Create configuration based on existing IIS web application";
  })) << d.FocusedControl();
  d.Press("Shift+Tab");
  EXPECT_TRUE(Eventually([&] { return d.FocusedControl() == "Next >"; })) << d.FocusedControl();
  d.Picture("wizard-2-step1");
  d.Press("Alt+B");
  EXPECT_TRUE(Eventually([&] { return d.ActiveWindow() == introduction; })) << d.ActiveWindow();
  d.Press("Enter");
  ASSERT_TRUE(Eventually([&] { return d.ActiveWindow() == step1; }));
  d.Press("Alt+N");
  ASSERT_TRUE(Eventually([&] { return d.ActiveWindow() != step1; }));
  EXPECT_TRUE(IsWizard(d.ActiveWindow())) << d.ActiveWindow();
  d.Picture("wizard-3-step2");
  d.Press("Alt+N");
  ASSERT_TRUE(Eventually([&] { return !d.Control("Next >").enabled; })) << "the last step";
  d.Picture("wizard-4-finished");
  EXPECT_TRUE(d.Control("Save current settings as default").visible);
  EXPECT_FALSE(d.Control("Create empty configuration").visible);
  d.Press("Alt+B");
  d.Press("Alt+B");
  ASSERT_TRUE(Eventually([&] { return d.ActiveWindow() == step1; }));
  d.Click("Create empty configuration");
  ASSERT_TRUE(Eventually([&] { return !IsWizard(d.ActiveWindow()) && !d.ActiveWindow().empty(); }));
  d.Type(built);
  d.Press("Enter");
  ASSERT_TRUE(d.WaitForWindow(kOptions));
  EXPECT_EQ(d.ShownWindows(), (std::vector<std::string>{kOptions})) << "the wizard is out of sight";
  d.Press("Enter");
  EXPECT_TRUE(d.WaitForHostCall());
  EXPECT_EQ(*answer, built);
  const std::string bytes = ReadBytes(built);
  EXPECT_NE(bytes.find("[PrivateData]\r\n"), std::string::npos) << "the options dialog saved the new file";
}

SCENARIO(Wizard, EscLeavesWithoutBuilding) {
  const auto answer = std::make_shared<std::string>("(none)");
  d.StartHostCall([answer](SetupOrvex& component) { *answer = component.CreateNew(); });
  ASSERT_TRUE(Eventually([&] { return IsWizard(d.ActiveWindow()); }));
  d.Press("Esc");
  EXPECT_TRUE(d.WaitForHostCall());
  EXPECT_EQ(*answer, "");
  EXPECT_TRUE(d.ShownWindows().empty());
}

}  // namespace
}  // namespace kgh::acceptance
