// The C interface: every call makes its own SetupOrvex, as the automation class does, and no
// exception crosses the boundary. Calls may come from any thread at once: what a call keeps
// between its steps (open transactions, the last error) belongs to the calling thread.
#include "KelmarGUIHelper/KelmarGUIHelper.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "config/ConfigDoctor.h"
#include "config/ProfileApi.h"
#include "library/FrontEndChoice.h"

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// What KelmarGUIHelper_LastError answers on this thread.
thread_local int last_error = 0;

std::string Text(const char* s) { return s != nullptr ? std::string(s) : std::string(); }
int16_t Automation(bool value) { return value ? kTrue : kFalse; }

// A failure the system named, or one it did not.
int SystemError(int error) { return error != 0 ? error : KELMARGUIHELPER_ERROR_FAILED; }

int DialogRefusal(kgh::DialogAccess access) {
  switch (access) {
    case kgh::DialogAccess::Ready: return 0;
    case kgh::DialogAccess::NotBuilt: return KELMARGUIHELPER_ERROR_NO_DIALOGS;
    case kgh::DialogAccess::NoDisplay: return KELMARGUIHELPER_ERROR_NO_DISPLAY;
    case kgh::DialogAccess::OtherThread: return KELMARGUIHELPER_ERROR_OTHER_THREAD;
  }
  return KELMARGUIHELPER_ERROR_FAILED;
}

// Runs a dialog operation on a SetupOrvex with the library's front-end, unless that front-end
// cannot show dialogs to this thread; nothing escapes to the host.
template <typename Operation>
void WithDialogs(Operation operation) {
  last_error = 0;
  try {
    const std::unique_ptr<kgh::FrontEnd> front_end = kgh::library::MakeFrontEnd();
    if ((last_error = DialogRefusal(front_end->Dialogs())) != 0) return;
    kgh::SetupOrvex component(front_end->Services());
    operation(component);
  } catch (...) {
    last_error = KELMARGUIHELPER_ERROR_FAILED;
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
  WithDialogs([&](kgh::SetupOrvex& c) { c.Setup(parent, Text(root_path), Text(target_path)); });
}

void KelmarGUIHelper_SetupOrvexEx(const void* parent, const char* root_path, const char* target_path,
                                  const char* default_server) {
  WithDialogs([&](kgh::SetupOrvex& c) {
    c.SetupOrvexEx(parent, Text(root_path), Text(target_path), Text(default_server));
  });
}

void KelmarGUIHelper_EditExistingProject(const char* config_file) {
  WithDialogs([&](kgh::SetupOrvex& c) { c.EditExistingProject(Text(config_file)); });
}

char* KelmarGUIHelper_CreateNew(void) {
  std::string path;
  WithDialogs([&](kgh::SetupOrvex& c) { path = c.CreateNew(); });
  char* copy = CopyForHost(path);
  if (copy == nullptr) last_error = ENOMEM;
  return copy;
}

int16_t KelmarGUIHelper_CreateStartFile(const char* dest, const char* start_file) {
  last_error = 0;
  try {
    if (kgh::SetupOrvex().CreateStartFile(Text(dest), Text(start_file))) return kTrue;
    // The component wrote through this thread's profile, which kept why the write failed.
    last_error = SystemError(kgh::SystemProfileApi().LastError());
  } catch (...) {
    last_error = KELMARGUIHELPER_ERROR_FAILED;
  }
  return kFalse;
}

int16_t KelmarGUIHelper_Compile(const char* src_dir, const char* project_file, const char* dest_dir) {
  last_error = 0;
  return Automation(kgh::SetupOrvex().Compile(Text(src_dir), Text(project_file), Text(dest_dir)));
}

void KelmarGUIHelper_FreeString(char* text) { std::free(text); }

int KelmarGUIHelper_LastError(void) { return last_error; }

int16_t KelmarGUIHelper_CheckConfiguration(const char* config, KelmarGUIHelper_Finding** findings, size_t* count) {
  last_error = EINVAL;
  if (findings == nullptr || count == nullptr) return kFalse;
  *findings = nullptr;
  *count = 0;
  if (config == nullptr) return kFalse;
  last_error = 0;
  try {
    std::vector<kgh::Finding> found;
    if (int error = 0; !kgh::CheckConfigurationFile(kgh::ConfigurationFileFor(config), found, error)) {
      last_error = SystemError(error);
      return kFalse;
    }
    if (found.empty()) return kTrue;
    auto* list = static_cast<KelmarGUIHelper_Finding*>(std::calloc(found.size(), sizeof(KelmarGUIHelper_Finding)));
    if (list == nullptr) {
      last_error = ENOMEM;
      return kFalse;
    }
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
      last_error = ENOMEM;
      return kFalse;
    }
    *findings = list;
    *count = found.size();
    return kTrue;
  } catch (...) {
    last_error = KELMARGUIHELPER_ERROR_FAILED;
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
