#pragma once
// SetupOrvex: the component's one public class. The host calls one operation at a time; each
// creates what it needs and releases it before returning, so the object holds nothing between
// calls except the services it was given.
#include <string>

#include "config/ProfileApi.h"
#include "platform/FileStore.h"
#include "platform/MessageBox.h"

namespace kgh {

// The platform services an operation works with. The defaults are the running system's files
// and no message boxes; front-ends and tests supply their own.
struct ComponentServices {
  FileStore* files = &SystemFileStore();
  ProfileApi* profile = &SystemProfileApi();
  MessageBoxService* messages = nullptr;
};

class SetupOrvex {
 public:
  explicit SetupOrvex(ComponentServices services = {}) : services_(services) {}

  // Writes the built-in template to `Dest` (replacing any file there), then sets [Browser]
  // "Homepage" to `StartFile`. False, with nothing created, when the template cannot be
  // written; a failure to set the home page is not reported.
  bool CreateStartFile(const std::string& Dest, const std::string& StartFile);

  // Answers true and does nothing else; kept for hosts that call it after building.
  bool Compile(const std::string& SrcDir, const std::string& DORProjectFile, const std::string& DestDir);

 private:
  ComponentServices services_;
};

}  // namespace kgh
