// The C interface: every call makes its own SetupOrvex, as the automation class does, and no
// exception crosses the boundary.
#include "KelmarGUIHelper/KelmarGUIHelper.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "component/FrontEnd.h"
#include "config/ConfigDoctor.h"

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

std::string Text(const char* s) { return s != nullptr ? std::string(s) : std::string(); }
int16_t Automation(bool value) { return value ? kTrue : kFalse; }

// Runs `operation` on a SetupOrvex with the library's front-end; nothing escapes to the host.
template <typename Operation>
void WithComponent(Operation operation) {
  try {
    const std::unique_ptr<kgh::FrontEnd> front_end = kgh::MakeFrontEnd();
    kgh::SetupOrvex component(front_end->Services());
    operation(component);
  } catch (...) {
  }
}

char* CopyForHost(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace

extern "C" {

void KelmarGUIHelper_SetupOrvex(const void* parent, const char* root_path, const char* target_path) {
  WithComponent([&](kgh::SetupOrvex& c) { c.Setup(parent, Text(root_path), Text(target_path)); });
}

void KelmarGUIHelper_SetupOrvexEx(const void* parent, const char* root_path, const char* target_path,
                                  const char* default_server) {
  WithComponent([&](kgh::SetupOrvex& c) {
    c.SetupOrvexEx(parent, Text(root_path), Text(target_path), Text(default_server));
  });
}

void KelmarGUIHelper_EditExistingProject(const char* config_file) {
  WithComponent([&](kgh::SetupOrvex& c) { c.EditExistingProject(Text(config_file)); });
}

char* KelmarGUIHelper_CreateNew(void) {
  std::string path;
  WithComponent([&](kgh::SetupOrvex& c) { path = c.CreateNew(); });
  return CopyForHost(path);
}

int16_t KelmarGUIHelper_CreateStartFile(const char* dest, const char* start_file) {
  try {
    return Automation(kgh::SetupOrvex().CreateStartFile(Text(dest), Text(start_file)));
  } catch (...) {
    return kFalse;
  }
}

int16_t KelmarGUIHelper_Compile(const char* src_dir, const char* project_file, const char* dest_dir) {
  return Automation(kgh::SetupOrvex().Compile(Text(src_dir), Text(project_file), Text(dest_dir)));
}

void KelmarGUIHelper_FreeString(char* text) { std::free(text); }

int16_t KelmarGUIHelper_CheckConfiguration(const char* config, KelmarGUIHelper_Finding** findings, size_t* count) {
  if (findings == nullptr || count == nullptr) return kFalse;
  *findings = nullptr;
  *count = 0;
  if (config == nullptr) return kFalse;
  try {
    std::vector<kgh::Finding> found;
    if (int error = 0; !kgh::CheckConfigurationFile(kgh::ConfigurationFileFor(config), found, error)) return kFalse;
    if (found.empty()) return kTrue;
    auto* list = static_cast<KelmarGUIHelper_Finding*>(std::calloc(found.size(), sizeof(KelmarGUIHelper_Finding)));
    if (list == nullptr) return kFalse;
    bool copied = true;
    for (std::size_t i = 0; i < found.size(); ++i) {
      list[i].severity = static_cast<int32_t>(found[i].severity);
      list[i].code = CopyForHost(found[i].code);
      list[i].section = CopyForHost(found[i].section);
      list[i].line = found[i].line;
      list[i].message = CopyForHost(found[i].message);
      copied = copied && list[i].code != nullptr && list[i].section != nullptr && list[i].message != nullptr;
    }
    if (!copied) {  // out of memory: no half list reaches the host
      KelmarGUIHelper_FreeFindings(list, found.size());
      return kFalse;
    }
    *findings = list;
    *count = found.size();
    return kTrue;
  } catch (...) {
    return kFalse;
  }
}

void KelmarGUIHelper_FreeFindings(KelmarGUIHelper_Finding* findings, size_t count) {
  if (findings == nullptr) return;
  for (std::size_t i = 0; i < count; ++i) {
    // The library made these strings; they are const only to the host.
    std::free(const_cast<char*>(findings[i].code));
    std::free(const_cast<char*>(findings[i].section));
    std::free(const_cast<char*>(findings[i].message));
  }
  std::free(findings);
}

}  // extern "C"
