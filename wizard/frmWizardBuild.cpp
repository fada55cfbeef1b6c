// Building the new configuration: the one operation of the wizard that writes a file.
#include <string>
#include <vector>

#include "config/CIniFile2.h"
#include "config/ConfigFormat.h"
#include "config/ProfileTransaction.h"
#include "wizard/StartPage.h"
#include "wizard/frmWizard.h"

namespace kgh {
namespace {

constexpr const char* kDefaultStartFile = "default.asp";

// The folder a new configuration belongs to when no application folder was given.
std::string FolderOfConfiguration(const std::string& config_path, PathFlavour flavour) {
  std::size_t last = config_path.rfind(PathSeparator(flavour));
  if (last == std::string::npos) return flavour == PathFlavour::Windows ? "c:\\" : "/";
  // A file directly below "/" belongs to "/", not to the empty folder name before it.
  if (last == 0 && flavour == PathFlavour::Posix) return "/";
  return config_path.substr(0, last);
}

std::vector<std::string> AllowedDomains(const std::string& computer_name) {
  return {"javascript:", "mailto:", "res:", "about:", "http://" + computer_name, "https://" + computer_name};
}

}  // namespace

void frmWizard::BuildNewConfiguration(const std::string& appUrlPath, std::string appDirectory) {
  char separator = PathSeparator(services_.flavour);
  // On POSIX "/" is the file-system root, a folder of its own: without its separator it would
  // read as "no folder given".
  const bool posix_root = services_.flavour == PathFlavour::Posix && appDirectory == "/";
  if (!posix_root && !appDirectory.empty() && appDirectory.back() == separator) appDirectory.pop_back();

  FileDialogRequest request;
  request.title = "Save Orvex config file";
  request.description = "Configuration file";
  request.extensions = "ini";
  request.initial_dir = appDirectory;
  request.save_mode = true;
  std::string config_path = services_.file_dialogs != nullptr ? services_.file_dialogs->ShowFileDialog(request) : "";
  if (config_path.empty()) return;
  if (appDirectory.empty()) appDirectory = FolderOfConfiguration(config_path, services_.flavour);

  bool was_shown = !hidden && !unloaded;
  hidden = true;
  if (was_shown) EndModalDisplay();  // the steps below still run to their end

  // The template, the allowed domains and the home page reach the disk in one replacement, before
  // the options dialog opens on the file.
  ProfileTransaction building(*services_.profile, config_path);
  if (services_.opener != nullptr) services_.opener->CreateStartFile(config_path, kDefaultStartFile);
  std::string start_page = DetectStartPage(*services_.listing, appDirectory);

  CIniFile2 ini(*services_.profile, services_.messages);
  ini.INIFile = config_path;
  std::string computer_name = services_.computer_name->ComputerName();
  WriteDomains(ini, AllowedDomains(computer_name));

  // The URL path may begin with the port (":8089/shop", ":8089"): it follows the name directly.
  std::string host = computer_name;
  if (!appUrlPath.empty() && appUrlPath != "/") host += appUrlPath;
  ini.Section = kBrowserSection;
  ini.WriteString(kHomePageSetting.key, "http://" + host + "/" + start_page);
  if (!building.Commit()) ShowWriteFailure(services_.messages, services_.profile->LastError());

  new_config_file_ = config_path;
  if (services_.opener != nullptr) services_.opener->SetupOrvexEx(this, appDirectory, config_path, host);
}

}  // namespace kgh
