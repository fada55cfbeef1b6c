#pragma once
// What the wizard needs of the component's public class: writing the template to a new file
// and opening the options dialog on it. The public class implements it; tests record the calls.
#include <string>

namespace kgh {

class ConfigurationOpener {
 public:
  virtual ~ConfigurationOpener() = default;
  // Writes the built-in template to `Dest` and sets its home page to `StartFile`.
  virtual bool CreateStartFile(const std::string& Dest, const std::string& StartFile) = 0;
  // Opens the options dialog on `TargetPath` and returns when the user has closed it.
  virtual void SetupOrvexEx(const void* ParentForm, const std::string& RootPath, const std::string& TargetPath,
                            const std::string& DefaultServer) = 0;
};

}  // namespace kgh
