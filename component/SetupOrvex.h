#pragma once
// SetupOrvex: the component's one public class. The host calls one operation at a time; each
// creates what it needs and releases it before returning, so the object holds nothing between
// calls except the services it was given.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "config/ProfileApi.h"
#include "options/OptionsServices.h"
#include "platform/CBrowseFolder.h"
#include "platform/HelpService.h"
#include "platform/MessageBox.h"
#include "platform/Module1.h"
#include "platform/PathFlavour.h"
#include "wizard/ConfigurationOpener.h"
#include "wizard/WizardHost.h"

namespace kgh {

class FormHost;
class OptionsDialogHost;

// The platform services an operation works with: the options dialog's, handed to each dialog as
// they are, and the hosts that show the dialog and the wizard. The defaults are the running
// system's files and no message boxes; front-ends and tests supply their own.
struct ComponentServices {
  OptionsServices options;

  // Without a form host the dialogs cannot be shown, and the operations that open them return
  // at once, leaving the file as it was.
  FormHost* forms = nullptr;

  // For the wizard: hourglass and pop-up menu. Where the virtual directories, the registry,
  // the folder listing and the computer name come from is the running system's.
  WizardHost* wizard_host = nullptr;
};

// The wizard builds its configuration through the public class, as a host would.
class SetupOrvex final : public ConfigurationOpener {
 public:
  explicit SetupOrvex(ComponentServices services = {}) : services_(std::move(services)) {}

  // The automation member "SetupOrvex" (a C++ member cannot carry its class's name): opens the
  // options dialog on `TargetPath` (a configuration file, or a folder that holds or will hold
  // "Orvex.INI") with no default server, and returns when the user has closed it.
  // `ParentForm` is accepted and not used.
  void Setup(const void* ParentForm, const std::string& RootPath, const std::string& TargetPath);

  // As Setup, with `DefaultServer` ("server:port") as the dialog's default server.
  void SetupOrvexEx(const void* ParentForm, const std::string& RootPath, const std::string& TargetPath,
                    const std::string& DefaultServer) override;

  // Opens the options dialog on `ConfigFile` with the root directory and default server that
  // its [PrivateData] section remembers.
  void EditExistingProject(const std::string& ConfigFile);

  // Writes the built-in template to `Dest` (replacing any file there), then sets its home
  // page to `StartFile`. False, with nothing created, when the template cannot be
  // written; a failure to set the home page is not reported.
  bool CreateStartFile(const std::string& Dest, const std::string& StartFile) override;

  // Runs the new-configuration wizard and returns the path of the configuration it built, or
  // "" when the wizard was left without building one.
  std::string CreateNew();

  // Answers true and does nothing else; kept for hosts that call it after building.
  bool Compile(const std::string& SrcDir, const std::string& DORProjectFile, const std::string& DestDir);

 private:
  void ShowOptions(const std::string& RootDir, const std::string& DestDir, const std::string& DefServer);

  ComponentServices services_;
};

}  // namespace kgh
