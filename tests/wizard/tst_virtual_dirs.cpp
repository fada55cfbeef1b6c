// Step 1's "existing web application": where the list comes from, what the pop-up offers and
// what choosing an item builds; and the registry reader behind it.
#include "WizardFakes.h"
#include "platform/CRegSettings.h"
#include "platform/PathFlavour.h"
#include "platform/WebServerVirtualDirs.h"

namespace kgh::test {
namespace {

const std::vector<VirtualDirEntry> kWebApps = {{"/shop", "/srv/shop"}, {"/intranet", "/srv/intranet"}};
const std::vector<std::pair<std::string, std::string>> kRoots = {
    {"/", std::string("C:\\Inetpub\\wwwroot,,201\0", 25)},
    {"/scripts", std::string("C:\\Inetpub\\scripts,,204\0", 24)}, {"/docs", std::string("D:\\docs\0", 8)}};

TEST(VirtualDirs, TheServiceFirstTheRegistryWhenItFailsAndAMessageWhenNoneIsFound) {
  // offered none: the exclamation message instead of the pop-up.
  struct Case { const char* what; bool web_apps, fails, roots; std::vector<VirtualDirEntry> offered; };
  const Case cases[] = {
      {"service succeeds: registry unread", true, false, true, kWebApps},
      {"fails after two, registry has three: only the three", true, true, true,
       {{"/", "C:\\Inetpub\\wwwroot"}, {"/scripts", "C:\\Inetpub\\scripts"}, {"/docs", "D:\\docs"}}},
      {"fails after two, registry has none: the two stay", true, true, false, kWebApps},
      {"nothing anywhere", false, true, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WizardRig rig;
    if (c.web_apps) rig.platform.web_apps = kWebApps;
    rig.platform.web_apps_fail = c.fails;
    if (c.roots) rig.platform.roots = kRoots;
    frmWizard& w = rig.Load();
    w.cmdIIS_Click();
    EXPECT_EQ(std::vector(w.VirtualDirs.begin() + 1, w.VirtualDirs.end()), c.offered);
    EXPECT_EQ(rig.host.menus_shown.size(), c.offered.empty() ? 0u : 1u);
    EXPECT_EQ(rig.messages.shown.size(), c.offered.empty() ? 1u : 0u);
    for (const MessageRequest& message : rig.messages.shown) EXPECT_EQ(message.icon, MessageIcon::Exclamation);
  }
}

TEST(VirtualDirs, MenuItemsAreReusedNeverStaleAndTheChoiceIsBuilt) {
  WizardRig rig;
  rig.platform.web_apps = {{"/a", "/srv/a"}, {"/b", "/srv/b"}};
  frmWizard& w = rig.Load();
  w.cmdIIS_Click();
  w.cmdIIS_Click();
  rig.platform.web_apps = {{"/z", "/srv/z/"}};
  rig.host.pick = "/z";
  rig.dialogs.choices = {"/cfg/z.ini"};
  w.cmdIIS_Click();
  EXPECT_EQ(rig.host.menus_shown, (std::vector<std::vector<std::string>>{{"/a", "/b"}, {"/a", "/b"}, {"/z"}}));
  EXPECT_EQ(rig.opener.opened, std::vector<std::string>{"/srv/z /cfg/z.ini SRV1/z"});
}

TEST(VirtualDirs, TheLocalWebServersFirstSiteIsOfferedAndItsPortReachesTheHomePage) {
  if (NativePathFlavour() == PathFlavour::Windows) GTEST_SKIP() << "the Linux web servers' configuration files";
  const std::string prefix = KGH_WIZARD_FIXTURES "/nginx";
  struct Case { const char* pick; const char* homepage; std::string folder; const char* server; };
  const Case cases[] = {
      {":8089/shop", "http://SRV1:8089/shop/index.htm", prefix + "/files/shop", "SRV1:8089/shop"},
      {":8089", "http://SRV1:8089/index.htm", prefix + "/html", "SRV1:8089"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pick);
    WebServerVirtualDirs web_server(KGH_WIZARD_FIXTURES "/nginx/nginx.conf", "", prefix);
    WizardRig rig;
    rig.web_server = &web_server;
    rig.platform.folder = {{"index.htm", 0}};
    rig.host.pick = c.pick;
    rig.dialogs.choices = {"/cfg/site.ini"};
    rig.Load().cmdIIS_Click();
    EXPECT_EQ(rig.host.menus_shown, (std::vector<std::vector<std::string>>{
                                        {":8089", ":8089/shop", ":8089/docs", ":8089/status", ":8089/app/img"}}));
    EXPECT_EQ(rig.files.files["/cfg/site.ini"], ExpectedFile(c.homepage, "SRV1"));
    EXPECT_EQ(rig.opener.opened, std::vector<std::string>{c.folder + " /cfg/site.ini " + c.server});
  }
}

TEST(CRegSettings, ValuesUpToItsBufferAndNothingForAMissingKey) {
  ScriptedPlatform store;
  store.roots = {{"long", std::string(261, 'x')}, {"full", std::string(259, 'y') + '\0'}};
  CRegSettings reg(store);
  EXPECT_EQ(reg.OpenRegKey(kHKeyLocalMachine, "missing"), 0u);
  RegKeyHandle key = reg.OpenRegKey(kHKeyLocalMachine, frmWizard::kVirtualRootsKey);
  EXPECT_EQ(reg.GetRegValue(key, "full"), std::string(259, 'y'));
  EXPECT_EQ(reg.GetRegValue(key, "long"), "") << "more than the buffer";
}

}  // namespace
}  // namespace kgh::test
