#pragma once
// Scripted stand-ins for the wizard's window system and platform, and a wizard wired to them
// that writes its files into memory.
#include <gtest/gtest.h>

#include "component/SetupOrvex.h"
#include "config/PortableProfile.h"
#include "resources/Resources.h"
#include "support/Fakes.h"
#include "wizard/frmWizard.h"

namespace kgh::test {

// The walk through the pages, forward to the last and back twice: each page's title and step,
// and whether Back and Next are enabled.
struct WalkStep { const char* title; int page; bool back, next; };
inline constexpr WalkStep kWalk[] = {{"Introduction", 0, false, true}, {"Step 1", 1, true, true},
                                     {"Step 2", 2, true, true},        {"Finished!", 3, true, false},
                                     {"Step 2", 2, true, true},        {"Step 1", 1, true, true}};
inline const std::string kTitlePrefix = "Pallix Browser Configuration Wizard - ";

// The template with the home page in [Browser] and [Domains] rewritten with six lines.
inline std::string ExpectedFile(const std::string& homepage, const std::string& computer) {
  std::string text(resources::ConfigurationTemplate());
  text.erase(text.find("[Domains]\r\n"));
  text.insert(text.find("[Toolbar]"), "Homepage=" + homepage + "\r\n");
  return text + "[Domains]\r\njavascript:\r\nmailto:\r\nres:\r\nabout:\r\nhttp://" + computer + "\r\nhttps://" +
         computer + "\r\n";
}

// Records the help closed and each pop-up's visible captions; picks the one captioned `pick`.
struct ScriptedHost final : WizardHost {
  void SetHourglass(bool) override {}
  void HelpQuit(const std::string& help_file) override { help_quits.push_back(help_file); }
  int ShowPopupMenu(const forms::MenuItem&, const std::vector<forms::MenuItem>& items) override {
    int chosen = -1;
    auto& shown = menus_shown.emplace_back();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].visible) shown.push_back(items[i].caption);
      if (items[i].visible && items[i].caption == pick) chosen = static_cast<int>(i);
    }
    return chosen;
  }
  std::vector<std::string> help_quits;
  std::vector<std::vector<std::string>> menus_shown;
  std::string pick;  // "" closes the menu without a choice
};

// The platform as the wizard sees it: the application folder's listing, the computer's name,
// the web server's applications (read, then failing when told to) and the registry's virtual
// roots (values in order, below HKEY_LOCAL_MACHINE, opened for reading).
struct ScriptedPlatform final : DirectoryListing, ComputerNameSource, VirtualDirectorySource, RegistryStore {
  static constexpr RegKeyHandle kHandle = 0x1234;
  std::vector<DirectoryEntry> List(const std::string&) override { return folder; }
  std::string ComputerName() override { return computer; }
  bool ReadVirtualDirs(std::vector<VirtualDirEntry>& out) override {
    out.insert(out.end(), web_apps.begin(), web_apps.end());
    return !web_apps_fail;
  }
  int32_t OpenKey(RegKeyHandle root, const std::string& sub_key, uint32_t access, RegKeyHandle& handle) override {
    const bool found = root == kHKeyLocalMachine && sub_key == frmWizard::kVirtualRootsKey && access == kKeyRead;
    if (found) handle = kHandle;
    return found ? kErrorSuccess : kErrorFileNotFound;
  }
  int32_t EnumValue(RegKeyHandle handle, uint32_t index, std::string& name, uint32_t& data_size) override {
    if (handle != kHandle || index >= roots.size()) return kErrorNoMoreItems;
    name = roots[index].first;
    data_size = static_cast<uint32_t>(roots[index].second.size());
    return kErrorSuccess;
  }
  int32_t QueryValue(RegKeyHandle handle, const std::string& name, std::string& data) override {
    auto it = std::find_if(roots.begin(), roots.end(), [&name](const auto& root) { return root.first == name; });
    if (handle != kHandle || it == roots.end()) return kErrorFileNotFound;
    data = it->second;
    return kErrorSuccess;
  }
  int32_t CloseKey(RegKeyHandle) override { return kErrorSuccess; }

  std::vector<DirectoryEntry> folder;
  std::string computer = "SRV1";
  std::vector<VirtualDirEntry> web_apps;
  bool web_apps_fail = false;
  std::vector<std::pair<std::string, std::string>> roots;  // registry value name, data as stored
};

// The public class's real template writer, and a record of each opening of the options dialog
// as "root target server".
struct RecordingOpener final : ConfigurationOpener {
  explicit RecordingOpener(const ComponentServices& services) : component(services) {}
  bool CreateStartFile(const std::string& d, const std::string& s) override { return component.CreateStartFile(d, s); }
  void SetupOrvexEx(const void*, const std::string& root, const std::string& target, const std::string& srv) override {
    opened.push_back(root + " " + target + " " + srv);
  }
  std::vector<std::string> opened;
  SetupOrvex component;
};

struct WizardRig {
  // A loaded wizard on the fakes below, or on `window_host` instead of the scripted host.
  frmWizard& Load(WizardHost* window_host = nullptr, PathFlavour flavour = PathFlavour::Posix) {
    wizard = std::make_unique<frmWizard>(Services(window_host, flavour));
    wizard->on_closed = [this] { ++closed_count; };
    wizard->Form_Load();
    return *wizard;
  }
  WizardServices Services(WizardHost* window_host = nullptr, PathFlavour flavour = PathFlavour::Posix) {
    return {.opener = &opener, .host = window_host != nullptr ? window_host : &host, .messages = &messages,
            .file_dialogs = &dialogs, .profile = &profile,
            .directory_service = web_server != nullptr ? web_server : &platform, .registry = &platform,
            .listing = &platform, .computer_name = &platform, .flavour = flavour};
  }

  ScriptedHost host;
  ScriptedMessageBoxes messages;
  ScriptedFileDialogs dialogs;
  MemoryFileStore files;
  PortableProfile profile{files};
  ScriptedPlatform platform;
  VirtualDirectorySource* web_server = nullptr;  // a real source of applications instead of `platform`
  RecordingOpener opener{ComponentServices{.options = {.profile = &profile}}};
  int closed_count = 0;
  std::unique_ptr<frmWizard> wizard;
};

}  // namespace kgh::test
