#pragma once
// Everything modal or platform-bound the wizard uses, handed in from outside so that it runs
// headless. A null host means no window system: no hourglass, no pop-up menu (nothing is
// chosen), no help engine. A null file dialog service chooses nothing; a null opener writes
// nothing and opens nothing.
#include "config/ProfileApi.h"
#include "platform/ComputerName.h"
#include "platform/DirectoryListing.h"
#include "platform/MessageBox.h"
#include "platform/Module1.h"
#include "platform/PathFlavour.h"
#include "platform/RegistryStore.h"
#include "platform/VirtualDirectorySource.h"
#include "wizard/ConfigurationOpener.h"
#include "wizard/StringTable.h"
#include "wizard/WizardHost.h"

namespace kgh {

struct WizardServices {
  ConfigurationOpener* opener = nullptr;
  WizardHost* host = nullptr;
  MessageBoxService* messages = nullptr;
  FileDialogService* file_dialogs = nullptr;
  ProfileApi* profile = &SystemProfileApi();
  VirtualDirectorySource* directory_service = &SystemVirtualDirectorySource();
  RegistryStore* registry = &SystemRegistryStore();
  DirectoryListing* listing = &SystemDirectoryListing();
  ComputerNameSource* computer_name = &SystemComputerName();
  const StringTable* strings = &WizardStringTable();
  // How the application directory and the configuration path are split.
  PathFlavour flavour = NativePathFlavour();
};

}  // namespace kgh
