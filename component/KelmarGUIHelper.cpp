// The C interface: every call makes its own SetupOrvex, as the automation class does, and no
// exception crosses the boundary.
#include "KelmarGUIHelper/KelmarGUIHelper.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "component/FrontEnd.h"

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

}  // extern "C"
