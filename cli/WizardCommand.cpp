// new: the new-configuration wizard, shown with the Qt front-end. Prints the path of the
// configuration it built; a wizard left without building one prints nothing and fails.
#include <cstdlib>
#include <iostream>

#include "cli/Commands.h"
#include "component/SetupOrvex.h"
#include "qt/QtServices.h"
#include "qt/wizard/WizardDialog.h"

namespace kgh::cli {
namespace {

// The public class's two operations the wizard uses: writing the template, and the options
// dialog on the new file with the Qt front-end.
class ComponentOpener final : public ConfigurationOpener {
 public:
  bool CreateStartFile(const std::string& Dest, const std::string& StartFile) override {
    return SetupOrvex().CreateStartFile(Dest, StartFile);
  }
  void SetupOrvexEx(const void* ParentForm, const std::string& RootPath, const std::string& TargetPath,
                    const std::string& DefaultServer) override {
    qt::QtServices qt_services;
    SetupOrvex(qt_services.Component()).SetupOrvexEx(ParentForm, RootPath, TargetPath, DefaultServer);
  }
};

// Without a display Qt would abort the process; say why instead.
bool HaveDisplay() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return true;
  return false;
}

}  // namespace

void RegisterWizardCommand(CLI::App& app, CommandResult& result) {
  CLI::App* wizard = app.add_subcommand("new", "Create a configuration with the wizard and print its path");
  wizard->callback([&result] {
    if (!HaveDisplay()) {
      result.exit_code = Fail("new", "no display to show the wizard on (set DISPLAY or QT_QPA_PLATFORM)");
      return;
    }
    ComponentOpener opener;
    const std::string path = qt::RunWizardDialog(opener);
    if (path.empty()) {
      result.exit_code = kExitFailure;
      return;
    }
    std::cout << path << '\n';
    result.exit_code = kExitOk;
  });
}

}  // namespace kgh::cli
