#include "component/SetupOrvex.h"

#include "component/FormHost.h"
#include "config/CIniFile2.h"
#include "config/ConfigFormat.h"
#include "config/IniSyntax.h"
#include "config/ProfileTransaction.h"
#include "options/OptionsServices.h"
#include "options/frmOrvexOptions.h"
#include "resources/Resources.h"
#include "wizard/RunWizard.h"

namespace kgh {

OptionsServices SetupOrvex::FormServices() const {
  OptionsServices options;
  options.profile = services_.profile;
  options.messages = services_.messages;
  options.file_dialogs = services_.file_dialogs;
  options.folder_browser = services_.folder_browser;
  options.help = services_.help;
  options.host = services_.options_host;
  options.flavour = services_.flavour;
  options.file_attributes = services_.file_attributes;
  options.component_dir = services_.component_dir;
  options.screen_width = services_.screen_width;
  options.screen_height = services_.screen_height;
  return options;
}

void SetupOrvex::ShowOptions(const std::string& RootDir, const std::string& DestDir, const std::string& DefServer) {
  if (services_.forms == nullptr) return;  // nowhere to show the dialog: nothing changes
  frmOrvexOptions form(FormServices());
  form.Start(RootDir, DestDir, DefServer);
  services_.forms->ShowOptionsDialog(form);
}

void SetupOrvex::Setup(const void*, const std::string& RootPath, const std::string& TargetPath) {
  ShowOptions(RootPath, TargetPath, "");
}

void SetupOrvex::SetupOrvexEx(const void*, const std::string& RootPath, const std::string& TargetPath,
                              const std::string& DefaultServer) {
  ShowOptions(RootPath, TargetPath, DefaultServer);
}

void SetupOrvex::EditExistingProject(const std::string& ConfigFile) {
  if (services_.forms == nullptr) return;  // nowhere to show the dialog: nothing changes
  frmOrvexOptions form(FormServices());
  {
    // The remembered defaults and the dialog's values come from one reading of the file.
    const ProfileTransaction loading(*services_.profile, ConfigFile);
    CIniFile2 ini(*services_.profile, services_.messages);
    ini.INIFile = ConfigFile;
    const PrivateData remembered = ReadPrivateData(ini);
    form.Start(remembered.default_root, ConfigFile, remembered.default_server);
  }
  services_.forms->ShowOptionsDialog(form);
}

bool SetupOrvex::CreateStartFile(const std::string& Dest, const std::string& StartFile) {
  // The template and its home page reach the disk together.
  ProfileTransaction creating(*services_.profile, Dest);
  if (!services_.profile->ReplaceContent(Dest, resources::ConfigurationTemplate())) return false;
  CIniFile2 ini(*services_.profile, services_.messages);
  ini.INIFile = Dest;
  ini.Section = "Browser";
  ini.WriteString("Homepage", StoredValue(StartFile));
  return creating.Commit();
}

std::string SetupOrvex::CreateNew() {
  if (services_.forms == nullptr) return "";  // nowhere to show the wizard: nothing is built
  WizardServices wizard;
  wizard.opener = this;
  wizard.host = services_.wizard_host;
  wizard.messages = services_.messages;
  wizard.file_dialogs = services_.file_dialogs;
  wizard.profile = services_.profile;
  wizard.flavour = services_.flavour;
  return RunWizard(wizard, [this](frmWizard& form) { services_.forms->ShowWizard(form); });
}

bool SetupOrvex::Compile(const std::string&, const std::string&, const std::string&) { return true; }

}  // namespace kgh
