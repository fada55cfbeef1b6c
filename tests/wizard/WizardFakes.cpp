#include "WizardFakes.h"

namespace kgh::test {

int ScriptedHost::ShowPopupMenu(const forms::MenuItem&, const std::vector<forms::MenuItem>& items) {
  std::vector<std::string> captions;
  int chosen = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!items[i].visible) continue;
    captions.push_back(items[i].caption);
    if (!pick.empty() && items[i].caption == pick) chosen = static_cast<int>(i);
  }
  menus_shown.push_back(captions);
  return chosen;
}

bool ScriptedDirectoryService::ReadVirtualDirs(std::vector<VirtualDirEntry>& out) {
  if (watch != nullptr && wizard != nullptr) watch->button_enabled_while_reading = wizard->cmdIIS.enabled;
  for (const VirtualDirEntry& entry : entries) out.push_back(entry);
  return !fails_after_entries;
}

int32_t ScriptedRegistry::OpenKey(RegKeyHandle root_key, const std::string& sub_key, uint32_t access,
                                  RegKeyHandle& handle) {
  if (root_key != root || sub_key != key || access != kKeyRead) return kErrorFileNotFound;
  handle = kHandle;
  return kErrorSuccess;
}

int32_t ScriptedRegistry::EnumValue(RegKeyHandle handle, uint32_t index, std::string& name, uint32_t& data_size) {
  if (handle != kHandle) return kErrorInvalidHandle;
  if (index >= values.size()) return kErrorNoMoreItems;
  name = values[index].first;
  data_size = static_cast<uint32_t>(values[index].second.size());
  return kErrorSuccess;
}

int32_t ScriptedRegistry::QueryValue(RegKeyHandle handle, const std::string& name, std::string& data) {
  if (handle != kHandle) return kErrorInvalidHandle;
  for (const auto& [value_name, value_data] : values)
    if (value_name == name) {
      data = value_data;
      return kErrorSuccess;
    }
  return kErrorFileNotFound;
}

int32_t ScriptedRegistry::CloseKey(RegKeyHandle handle) {
  closed.push_back(handle);
  return handle == kHandle ? kErrorSuccess : kErrorInvalidHandle;
}

WizardRig::WizardRig(std::string computer_name) : computer(std::move(computer_name)), opener(ComponentServices{}) {
  registry.key = frmWizard::kVirtualRootsKey;
}

frmWizard& WizardRig::Load() {
  WizardServices services;
  services.opener = &opener;
  services.host = &host;
  services.messages = &messages;
  services.file_dialogs = &dialogs;
  services.directory_service = &directory_service;
  services.registry = &registry;
  services.listing = &listing;
  services.computer_name = &computer;
  services.flavour = PathFlavour::Posix;
  wizard = std::make_unique<frmWizard>(services);
  wizard->on_closed = [this] { ++closed_count; };
  directory_service.watch = &host;
  directory_service.wizard = wizard.get();
  wizard->Form_Load();
  return *wizard;
}

}  // namespace kgh::test
