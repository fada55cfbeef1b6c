// The wizard's "existing web application" road: list the server's virtual directories, offer
// them in a pop-up menu and build a configuration from the one chosen.
#include <string>

#include "platform/CRegSettings.h"
#include "wizard/frmWizard.h"

namespace kgh {
namespace {

constexpr int32_t kRegistryNameBuffer = 2000;

std::string BeforeFirstComma(const std::string& data) { return data.substr(0, data.find(',')); }

}  // namespace

void frmWizard::cmdIIS_Click() {
  VirtualDirs.assign(1, VirtualDirEntry{});
  cmdIIS.enabled = false;
  if (services_.host != nullptr) services_.host->SetHourglass(true);
  if (!ReadMetabaseVirtualDirs()) ReadRegistryVirtualDirs();
  FillVirtualDirMenu();
  cmdIIS.enabled = true;
  if (services_.host != nullptr) services_.host->SetHourglass(false);
  OfferVirtualDirs();
}

bool frmWizard::ReadMetabaseVirtualDirs() {
  return services_.directory_service != nullptr && services_.directory_service->ReadVirtualDirs(VirtualDirs);
}

bool frmWizard::ReadRegistryVirtualDirs() {
  CRegSettings registry(*services_.registry);
  RegKeyHandle key = registry.OpenRegKey(kHKeyLocalMachine, kVirtualRootsKey);
  for (int32_t index = 0;; ++index) {
    std::string name(static_cast<std::size_t>(kRegistryNameBuffer), '\0');
    int32_t name_length = kRegistryNameBuffer;
    int32_t data_length = kRegistryNameBuffer;
    if (registry.EnumRegValue(key, index, name, name_length, data_length) != kErrorSuccess) break;
    // The registry's entries replace whatever the directory service added before it failed.
    VirtualDirs.resize(static_cast<std::size_t>(index) + 2);
    VirtualDirEntry& entry = VirtualDirs.back();
    entry.Name = name.substr(0, static_cast<std::size_t>(name_length));
    entry.Path = BeforeFirstComma(registry.GetRegValue(key, entry.Name));
  }
  registry.keyclose(key);
  return true;
}

// Items beyond the current list are dropped: their tags would name entries that are gone.
void frmWizard::FillVirtualDirMenu() {
  mnuVirtDirSel1.resize(VirtualDirs.size() > 0 ? VirtualDirs.size() : 1);
  for (std::size_t i = 1; i < VirtualDirs.size(); ++i) {
    forms::MenuItem& item = mnuVirtDirSel1[i];
    item.name = "mnuVirtDirSel1(" + std::to_string(i) + ")";
    item.caption = VirtualDirs[i].Name;
    item.tag = std::to_string(i);
    item.visible = true;
    item.enabled = true;
  }
}

void frmWizard::OfferVirtualDirs() {
  if (mnuVirtDirSel1.size() > 1 && VirtualDirs.size() > 1) {
    mnuVirtDirSel1[0].visible = false;
    int chosen = services_.host != nullptr ? services_.host->ShowPopupMenu(mnuVirtDir, mnuVirtDirSel1) : -1;
    if (chosen >= 0) mnuVirtDirSel1_Click(chosen);
    return;
  }
  if (services_.messages == nullptr) return;
  services_.messages->Show(MessageRequest::Notice(kNoVirtualDirsMessage, MessageIcon::Exclamation));
}

void frmWizard::mnuVirtDirSel1_Click(int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= mnuVirtDirSel1.size()) return;
  auto n = NumericId(mnuVirtDirSel1[static_cast<std::size_t>(Index)].tag);
  if (!n || *n < 1 || static_cast<std::size_t>(*n) >= VirtualDirs.size()) return;
  VirtualDirEntry chosen = VirtualDirs[static_cast<std::size_t>(*n)];
  BuildNewConfiguration(chosen.Name, chosen.Path);
}

}  // namespace kgh
