#pragma once
// Everything modal or platform-bound that the options dialog and its entry dialogs use,
// handed in from outside so that the forms run headless. A null service means "not
// available": questions are answered No, file dialogs and the folder browser choose nothing,
// entry dialogs cannot be shown and focus requests fail.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "config/ConfigFormat.h"
#include "config/ProfileApi.h"
#include "platform/CBrowseFolder.h"
#include "platform/HelpService.h"
#include "platform/MessageBox.h"
#include "platform/Module1.h"
#include "platform/PathFlavour.h"

namespace kgh {

class OptionsDialogHost;

struct OptionsServices {
  ProfileApi* profile = &SystemProfileApi();
  MessageBoxService* messages = nullptr;
  FileDialogService* file_dialogs = nullptr;
  FolderBrowserService* folder_browser = nullptr;
  HelpService* help = nullptr;
  OptionsDialogHost* host = nullptr;

  // How paths are split and joined: Windows for drive-letter paths, the running system's
  // otherwise.
  PathFlavour flavour = NativePathFlavour();
  std::function<int32_t(const std::string&)> file_attributes = FileAttributes;

  // The folder the component was loaded from; the help file lies there.
  std::string component_dir = {};  // initialised here, so that designated initialisers may omit it

  // The screen size in twips, for centring the options dialog; 0 leaves placement to the view.
  int screen_width = 0;
  int screen_height = 0;
};

// Answers with the service, or as a user who declines when there is none.
MessageAnswer AskUser(const OptionsServices& services, const MessageRequest& request);

// Every dialog refuses text the file cannot give back as typed in the same way: the user is told
// why and the text stays in its box. True when `text` was refused.
bool RefusedAsTyped(const OptionsServices& services, TypedText kind, std::string_view text);

}  // namespace kgh
