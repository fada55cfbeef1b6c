// Step 1's "existing web application": where the list comes from, what the menu offers, and
// what choosing an item builds.
#include <gtest/gtest.h>

#include "WizardFakes.h"
#include "platform/CRegSettings.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

using Captions = std::vector<std::string>;

const std::vector<VirtualDirEntry> kServiceEntries = {{"/shop", "/srv/shop"}, {"/intranet", "/srv/intranet"}};
const std::vector<std::pair<std::string, std::string>> kRegistryValues = {
    {"/", std::string("C:\\Inetpub\\wwwroot,,201\0", 25)},
    {"/scripts", std::string("C:\\Inetpub\\scripts,,204\0", 24)},
    {"/docs", std::string("D:\\docs\0", 8)},
};

TEST(VirtualDirs, TheDirectoryServiceComesFirstAndItsOrderIsKept) {
  WizardRig rig;
  rig.directory_service.entries = kServiceEntries;
  rig.registry.values = kRegistryValues;
  frmWizard& w = rig.Load();
  w.cmdIIS_Click();
  EXPECT_EQ(rig.host.menus_shown, (std::vector<Captions>{{"/shop", "/intranet"}}));
  EXPECT_FALSE(w.mnuVirtDirSel1[0].visible);
  EXPECT_EQ(w.mnuVirtDirSel1[2].tag, "2");
  EXPECT_FALSE(rig.host.button_enabled_while_reading);
  EXPECT_TRUE(w.cmdIIS.enabled);
  EXPECT_EQ(rig.host.hourglass, (std::vector<bool>{true, false}));
  EXPECT_TRUE(rig.registry.closed.empty()) << "the registry is not read";
}

TEST(VirtualDirs, WhichEntriesStayWhenTheDirectoryServiceFails) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> registry;
    Captions menu;
  };
  const Case cases[] = {
      {"three registry values replace the two", kRegistryValues, {"/", "/scripts", "/docs"}},
      {"no registry value: the two stay", {}, {"/shop", "/intranet"}},
  };
  for (const Case& c : cases) {
    WizardRig rig;
    rig.directory_service.entries = kServiceEntries;
    rig.directory_service.fails_after_entries = true;
    rig.registry.values = c.registry;
    frmWizard& w = rig.Load();
    w.cmdIIS_Click();
    EXPECT_EQ(rig.host.menus_shown, std::vector<Captions>{c.menu}) << c.what;
    EXPECT_EQ(w.VirtualDirs.size(), c.menu.size() + 1) << c.what;
    EXPECT_EQ(rig.registry.closed, std::vector<RegKeyHandle>{ScriptedRegistry::kHandle}) << c.what;
  }
}

TEST(VirtualDirs, RegistryDataIsCutAtTheFirstComma) {
  WizardRig rig;
  rig.directory_service.fails_after_entries = true;
  rig.registry.values = kRegistryValues;
  frmWizard& w = rig.Load();
  w.cmdIIS_Click();
  ASSERT_EQ(w.VirtualDirs.size(), 4u);
  EXPECT_EQ(w.VirtualDirs[1].Path, "C:\\Inetpub\\wwwroot");
  EXPECT_EQ(w.VirtualDirs[2].Path, "C:\\Inetpub\\scripts");
  EXPECT_EQ(w.VirtualDirs[3].Path, "D:\\docs");
}

TEST(VirtualDirs, MenuItemsAreReusedAndNeverStale) {
  WizardRig rig;
  rig.directory_service.entries = {{"/a", "/srv/a"}, {"/b", "/srv/b"}, {"/c", "/srv/c"}};
  frmWizard& w = rig.Load();
  w.cmdIIS_Click();
  w.cmdIIS_Click();
  rig.directory_service.entries = {{"/z", "/srv/z"}};
  w.cmdIIS_Click();
  EXPECT_EQ(rig.host.menus_shown, (std::vector<Captions>{{"/a", "/b", "/c"}, {"/a", "/b", "/c"}, {"/z"}}));
  EXPECT_EQ(w.mnuVirtDirSel1.size(), 2u);
  EXPECT_EQ(w.mnuVirtDirSel1[1].tag, "1");
}

TEST(VirtualDirs, NoEntryFromEitherSourceShowsTheExclamation) {
  for (bool service_fails : {false, true}) {
    WizardRig rig;
    rig.directory_service.fails_after_entries = service_fails;
    frmWizard& w = rig.Load();
    w.cmdIIS_Click();
    EXPECT_TRUE(rig.host.menus_shown.empty());
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text, "It appears that no virtual directories are defined for the IIS");
    EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(rig.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(rig.messages.shown[0].title, "Pallix Setup");
    EXPECT_TRUE(w.cmdIIS.enabled);
  }
}

TEST(VirtualDirs, ChoosingAnItemBuildsFromThatEntry) {
  TempDir dir;
  WizardRig rig;
  rig.directory_service.entries = kServiceEntries;
  rig.host.pick = "/intranet";
  rig.listing.entries = {{"Default.asp", 0}};
  rig.dialogs.answers = {dir.File("intranet.ini")};
  frmWizard& w = rig.Load();
  w.cmdNav_Click(frmWizard::kNextButton);
  w.cmdIIS_Click();
  ASSERT_EQ(rig.dialogs.requests.size(), 1u);
  EXPECT_EQ(rig.dialogs.requests[0].initial_dir, "/srv/intranet");
  ASSERT_EQ(rig.opener.opened.size(), 1u);
  EXPECT_EQ(rig.opener.opened[0].server, "SRV1/intranet");
  EXPECT_EQ(w.NewConfigFile(), dir.File("intranet.ini"));
}

TEST(VirtualDirs, ItemZeroAndUnknownTagsDoNothing) {
  WizardRig rig;
  frmWizard& w = rig.Load();
  w.mnuVirtDirSel1_Click(0);
  w.mnuVirtDirSel1_Click(7);
  EXPECT_TRUE(rig.dialogs.requests.empty());
}

TEST(CRegSettings, ReadsOneKeyThroughTheStore) {
  ScriptedRegistry store;
  store.key = "K";
  store.values = {{"first", std::string("C:\\Inetpub\\wwwroot,,201\0", 25)},
                  {"long", std::string(261, 'x')},
                  {"full", std::string(259, 'y') + '\0'}};
  CRegSettings reg(store);
  EXPECT_EQ(reg.OpenRegKey(kHKeyLocalMachine, "missing"), 0u);
  RegKeyHandle key = reg.OpenRegKey(kHKeyLocalMachine, "K");
  ASSERT_EQ(key, ScriptedRegistry::kHandle);

  std::string buffer(2000, ' ');
  int32_t index = 0, name_length = 2000, data_length = 2000;
  EXPECT_EQ(reg.EnumRegValue(key, index, buffer, name_length, data_length), kErrorSuccess);
  EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(name_length)), "first");
  EXPECT_EQ(buffer.size(), 2000u) << "the rest of the buffer stays";
  index = 3;
  EXPECT_EQ(reg.EnumRegValue(key, index, buffer, name_length, data_length), kErrorNoMoreItems);

  EXPECT_EQ(reg.GetRegValue(key, "first"), "C:\\Inetpub\\wwwroot,,201");
  EXPECT_EQ(reg.GetRegValue(key, "long"), "");
  EXPECT_EQ(reg.GetRegValue(key, "full"), std::string(259, 'y'));
  EXPECT_EQ(reg.GetRegValue(key, "absent"), "");
  RegKeyHandle none = 0;
  EXPECT_EQ(reg.GetRegValue(none, "first"), "");
  index = 0;
  EXPECT_NE(reg.EnumRegValue(none, index, buffer, name_length, data_length), kErrorSuccess);
  reg.keyclose(0);
  reg.keyclose(key);
  EXPECT_EQ(store.closed, (std::vector<RegKeyHandle>{0, ScriptedRegistry::kHandle}));
}

TEST(CRegSettings, ThisSystemHasNoRegistry) {
  CRegSettings reg;
  RegKeyHandle key = reg.OpenRegKey(kHKeyLocalMachine, frmWizard::kVirtualRootsKey);
  EXPECT_EQ(key, 0u);
  std::string buffer(2000, ' ');
  int32_t index = 0, name_length = 2000, data_length = 2000;
  EXPECT_NE(reg.EnumRegValue(key, index, buffer, name_length, data_length), kErrorSuccess);
}

}  // namespace
}  // namespace kgh::test
