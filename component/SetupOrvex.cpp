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

void SetupOrvex::ShowOptions(const std::string& RootDir, const std::string& DestDir, const std::string& DefServer) {
  if (services_.forms == nullptr) return;  // nowhere to show the dialog: nothing changes
  frmOrvexOptions form(services_.options);
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
  frmOrvexOptions form(services_.options);
  {
    // The remembered defaults and the dialog's values come from one reading of the file.
    const ProfileTransaction loading(*services_.options.profile, ConfigFile);
    CIniFile2 ini(*services_.options.profile, services_.options.messages);
    ini.INIFile = ConfigFile;
    const PrivateData remembered = ReadPrivateData(ini);
    form.Start(remembered.default_root, ConfigFile, remembered.default_server);
  }
  services_.forms->ShowOptionsDialog(form);
}

bool SetupOrvex::CreateStartFile(const std::string& Dest, const std::string& StartFile) {
  // The template and its home page reach the disk together.
  ProfileTransaction creating(*services_.options.profile, Dest);
  if (!services_.options.profile->ReplaceContent(Dest, resources::ConfigurationTemplate())) return false;
  CIniFile2 ini(*services_.options.profile, services_.options.messages);
  ini.INIFile = Dest;
  ini.Section = kBrowserSection;
  ini.WriteString(kHomePageSetting.key, StoredValue(StartFile));
  return creating.Commit();
}

std::string SetupOrvex::CreateNew() {
  if (services_.forms == nullptr) return "";  // nowhere to show the wizard: nothing is built
  WizardServices wizard;
  wizard.opener = this;
  wizard.host = services_.wizard_host;
  wizard.messages = services_.options.messages;
  wizard.file_dialogs = services_.options.file_dialogs;
  wizard.profile = services_.options.profile;
  wizard.flavour = services_.options.flavour;
  return RunWizard(wizard, [this](frmWizard& form) { services_.forms->ShowWizard(form); });
}

bool SetupOrvex::Compile(const std::string&, const std::string&, const std::string&) { return true; }

}  // namespace kgh
