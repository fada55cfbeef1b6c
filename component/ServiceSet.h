#pragma once
// A front-end's platform services and dialog hosts, owned together and handed to SetupOrvex as
// one ComponentServices. Each front-end names its kinds; its help service and form host may need
// arguments of their own, and the help file is looked for in `component_dir`.
#include <string>
#include <utility>

#include "component/SetupOrvex.h"

namespace kgh {

template <typename Messages, typename FileDialogs, typename FolderBrowser, typename Help, typename Forms,
          typename WizardHost>
class ServiceSet {
 public:
  ServiceSet(std::string component_dir, Help help, Forms forms)
      : help_(std::move(help)), forms_(std::move(forms)), component_dir_(std::move(component_dir)) {}

  // Valid as long as this object lives.
  ComponentServices Component() {
    ComponentServices services;
    services.options.messages = &messages_;
    services.options.file_dialogs = &file_dialogs_;
    services.options.folder_browser = &folder_browser_;
    services.options.help = &help_;
    services.options.component_dir = component_dir_;
    services.forms = &forms_;
    services.wizard_host = &wizard_host_;
    return services;
  }

 private:
  Messages messages_;
  FileDialogs file_dialogs_;
  FolderBrowser folder_browser_;
  Help help_;
  Forms forms_;
  WizardHost wizard_host_;
  std::string component_dir_;
};

}  // namespace kgh
