// Building a new configuration from Step 1: the save dialog, the start page, the written file
// and the options dialog that opens on it.
#include <gtest/gtest.h>

#include "WizardFakes.h"
#include "config/CIniFile2.h"
#include "resources/Resources.h"
#include "support/TempDir.h"
#include "wizard/StartPage.h"

namespace kgh::test {
namespace {

DirectoryEntry File(const char* name) { return {name, 0}; }
DirectoryEntry Folder(const char* name) { return {name, kDirectoryAttribute}; }

TEST(StartPage, FirstListedStartPageOrElseTheLastPlainFile) {
  struct Case {
    const char* what;
    std::vector<DirectoryEntry> listing;
    const char* start_page;
  };
  const Case cases[] = {
      {"first listed name wins", {Folder("."), Folder(".."), File("index.htm"), File("Default.asp")}, "index.htm"},
      {"own letter case kept", {File("a.txt"), File("DeFault.HTML"), File("z.txt")}, "DeFault.HTML"},
      {"no start page: last plain file", {File("a.txt"), File("b.gif")}, "b.gif"},
      {"only folders", {Folder("."), Folder(".."), Folder("index.htm"), Folder("img")}, ""},
      {"whole name compared", {File("default.asp.bak"), File("default.htm~")}, "default.htm~"},
      {"index.pl counts", {File("x.css"), File("INDEX.PL"), File("y.css")}, "INDEX.PL"},
      {"nothing listed", {}, ""},
  };
  for (const Case& c : cases) {
    FixedListing listing;
    listing.entries = c.listing;
    EXPECT_EQ(DetectStartPage(listing, "/web"), c.start_page) << c.what;
  }
}

// The template with "Homepage" added to [Browser] and [Domains] rewritten at the end.
std::string ExpectedFile(const std::string& homepage, const std::string& computer) {
  std::string text(resources::ConfigurationTemplate());
  std::string domains = "[Domains]\r\n";
  std::size_t at = text.find(domains);
  text.erase(at);
  std::size_t toolbar = text.find("[Toolbar]");
  text.insert(toolbar, "Homepage=" + homepage + "\r\n");
  return text + domains + "javascript:\r\nmailto:\r\nres:\r\nabout:\r\nhttp://" + computer + "\r\nhttps://" +
         computer + "\r\n";
}

TEST(BuildNewConfiguration, WritesTheTemplateSixDomainsAndTheHomePage) {
  struct Case {
    const char* url_path;
    const char* computer;
    const char* start_file;
    const char* homepage;
    const char* host;
  };
  const Case cases[] = {
      {"/shop", "SRV1", "Default.asp", "http://SRV1/shop/Default.asp", "SRV1/shop"},
      {"/", "SRV1", "index.php", "http://SRV1/index.php", "SRV1"},
      {"", "SRV1", nullptr, "http://SRV1/", "SRV1"},
      {"/shop", "", "Default.asp", "http:///shop/Default.asp", "/shop"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.homepage);
    TempDir dir;
    WizardRig rig(c.computer);
    frmWizard& w = rig.Load();
    if (c.start_file != nullptr) rig.listing.entries = {File(c.start_file)};
    std::string config = dir.File("new.ini");
    WriteBytes(config, "[Old]\r\nkept=no\r\n");
    rig.dialogs.answers = {config};
    w.BuildNewConfiguration(c.url_path, "/srv/www/app/");

    EXPECT_EQ(ReadBytes(config), ExpectedFile(c.homepage, c.computer));
    ASSERT_EQ(rig.opener.opened.size(), 1u);
    EXPECT_EQ(rig.opener.opened[0].parent, &w);
    EXPECT_EQ(rig.opener.opened[0].root, "/srv/www/app");
    EXPECT_EQ(rig.opener.opened[0].target, config);
    EXPECT_EQ(rig.opener.opened[0].server, c.host);
    EXPECT_EQ(w.NewConfigFile(), config);
    EXPECT_EQ(rig.listing.listed, std::vector<std::string>{"/srv/www/app"});
  }
}

TEST(BuildNewConfiguration, AsksWithTheSaveDialogAndStopsWhenCancelled) {
  WizardRig rig;
  frmWizard& w = rig.Load();
  w.cmdNav_Click(frmWizard::kNextButton);
  w.BuildNewConfiguration("/shop", "/srv/shop/");
  ASSERT_EQ(rig.dialogs.requests.size(), 1u);
  const FileDialogRequest& request = rig.dialogs.requests[0];
  EXPECT_EQ(request.title, "Save Orvex config file");
  EXPECT_EQ(request.description, "Configuration file");
  EXPECT_EQ(request.extensions, "ini");
  EXPECT_EQ(request.initial_dir, "/srv/shop");
  EXPECT_TRUE(request.save_mode);
  EXPECT_FALSE(w.hidden);
  EXPECT_EQ(rig.closed_count, 0);
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_TRUE(rig.opener.opened.empty());
  EXPECT_EQ(w.NewConfigFile(), "");
}

// Records the files written to instead of writing them: the chosen paths below are not
// meant to exist on the test machine.
class RecordingProfile final : public ProfileApi {
 public:
  std::size_t GetSection(std::string_view, std::size_t, const std::string&, std::string& out) override {
    out.clear();
    return 0;
  }
  bool WriteSection(std::string_view, std::string_view, const std::string& file) override { return Note(file); }
  std::size_t GetString(std::string_view, std::string_view, std::string_view, std::size_t, const std::string&,
                        std::string& out) override {
    out.clear();
    return 0;
  }
  int32_t GetInt(std::string_view, std::string_view, int32_t default_value, const std::string&) override {
    return default_value;
  }
  bool WriteString(std::string_view, std::string_view, std::string_view, const std::string& file) override {
    return Note(file);
  }
  bool DeleteSection(std::string_view, const std::string& file) override { return Note(file); }
  void Flush(const std::string&) override {}
  int LastError() const override { return 0; }

  bool Note(const std::string& file) {
    files.push_back(file);
    return true;
  }
  std::vector<std::string> files;
};

class NoOpener final : public ConfigurationOpener {
 public:
  bool CreateStartFile(const std::string&, const std::string&) override { return true; }
  void SetupOrvexEx(const void*, const std::string& RootPath, const std::string&, const std::string&) override {
    roots.push_back(RootPath);
  }
  std::vector<std::string> roots;
};

TEST(BuildNewConfiguration, ApplicationFolderLosesOneSeparatorOrIsTheConfigurationsFolder) {
  struct Case {
    PathFlavour flavour;
    const char* app_dir;
    const char* chosen;
    const char* folder;
  };
  const Case cases[] = {
      {PathFlavour::Windows, "D:\\Web\\shop\\", "D:\\cfg\\a.ini", "D:\\Web\\shop"},
      {PathFlavour::Windows, "C:\\", "D:\\cfg\\a.ini", "C:"},
      {PathFlavour::Windows, "", "E:\\cfg\\kiosk.ini", "E:\\cfg"},
      {PathFlavour::Windows, "", "kiosk.ini", "c:\\"},
      {PathFlavour::Posix, "/srv/shop//", "/cfg/a.ini", "/srv/shop/"},
      {PathFlavour::Posix, "", "/home/u/cfg/kiosk.ini", "/home/u/cfg"},
      {PathFlavour::Posix, "", "/kiosk.ini", "/"},
      {PathFlavour::Posix, "", "kiosk.ini", "/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    NoOpener opener;
    RecordingProfile profile;
    ScriptedFileDialogs dialogs;
    FixedListing listing;
    FixedComputerName computer("PC");
    dialogs.answers = {c.chosen};
    WizardServices services;
    services.opener = &opener;
    services.profile = &profile;
    services.file_dialogs = &dialogs;
    services.listing = &listing;
    services.computer_name = &computer;
    services.flavour = c.flavour;
    frmWizard w(services);
    w.Form_Load();
    w.BuildNewConfiguration("", c.app_dir);
    EXPECT_EQ(listing.listed, std::vector<std::string>{c.folder});
    EXPECT_EQ(opener.roots, std::vector<std::string>{c.folder});
    EXPECT_FALSE(profile.files.empty());
    for (const std::string& file : profile.files) EXPECT_EQ(file, c.chosen);
  }
}

TEST(BuildNewConfiguration, EmptyConfigurationEndToEndFromStepOne) {
  TempDir dir;
  WriteBytes(dir.File("readme.txt"), "x");
  WriteBytes(dir.File("Index.html"), "<html/>");
  WizardRig rig("KIOSK-7");
  rig.listing.entries = {File("readme.txt"), File("Index.html")};
  frmWizard& w = rig.Load();
  w.cmdNav_Click(frmWizard::kNextButton);
  std::string config = dir.File("kiosk.ini");
  rig.dialogs.answers = {"", config};  // the user cancels once, then saves

  w.cmdEmptyApp_Click();
  EXPECT_FALSE(w.hidden);
  EXPECT_FALSE(std::filesystem::exists(config));
  w.cmdEmptyApp_Click();

  EXPECT_TRUE(w.hidden);
  EXPECT_FALSE(w.unloaded);
  EXPECT_EQ(rig.closed_count, 1) << "hiding ends the modal display";
  EXPECT_EQ(w.NewConfigFile(), config);
  ASSERT_EQ(rig.opener.opened.size(), 1u);
  EXPECT_EQ(rig.opener.opened[0].root, dir.path().string());
  EXPECT_EQ(rig.opener.opened[0].server, "KIOSK-7");

  CIniFile2 reopened;
  reopened.INIFile = config;
  reopened.Section = "Browser";
  EXPECT_EQ(reopened.GetString("Homepage"), "http://KIOSK-7/Index.html");
  EXPECT_EQ(reopened.GetString("ErrorPage"), "res://error.htm");
  reopened.Section = "Domains";
  EXPECT_EQ(reopened.GetSection(),
            std::string("javascript:\0mailto:\0res:\0about:\0http://KIOSK-7\0https://KIOSK-7\0", 63));
}

}  // namespace
}  // namespace kgh::test
