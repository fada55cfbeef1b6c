// The C interface: every call makes its own SetupOrvex, as the automation class does, and no
// exception crosses the boundary.
#include "component/KelmarGUIHelper.h"

#include <cstdlib>
#include <string>

#include "component/SetupOrvex.h"

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

std::string Text(const char* s) { return s != nullptr ? std::string(s) : std::string(); }
int16_t Automation(bool value) { return value ? kTrue : kFalse; }

}  // namespace

extern "C" {

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
