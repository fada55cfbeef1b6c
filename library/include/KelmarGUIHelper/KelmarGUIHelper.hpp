// C++ face of the KelmarGUIHelper library, header only, over its C interface: std::string in
// and out, bool for the automation booleans, and library strings released by the wrapper.
//
//   #include <KelmarGUIHelper/KelmarGUIHelper.hpp>
//   if (!KelmarGUIHelper::SetupOrvex::CreateStartFile("/srv/kiosk/Orvex.INI", "index.htm")) ...
#ifndef KELMARGUIHELPER_HPP
#define KELMARGUIHELPER_HPP

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "KelmarGUIHelper.h"

namespace KelmarGUIHelper {

namespace detail {

struct LibraryStringDeleter {
  void operator()(char* text) const noexcept { KelmarGUIHelper_FreeString(text); }
};

// Takes over a string the library allocated; a null one reads as "".
inline std::string TakeLibraryString(char* text) {
  const std::unique_ptr<char, LibraryStringDeleter> owned(text);
  return owned ? std::string(owned.get()) : std::string();
}

inline bool FromAutomation(int16_t value) noexcept { return value != 0; }

// Releases a list of findings the library allocated.
struct LibraryFindings {
  KelmarGUIHelper_Finding* list;
  size_t count;
  LibraryFindings(KelmarGUIHelper_Finding* found, size_t how_many) noexcept : list(found), count(how_many) {}
  LibraryFindings(const LibraryFindings&) = delete;
  LibraryFindings& operator=(const LibraryFindings&) = delete;
  ~LibraryFindings() { KelmarGUIHelper_FreeFindings(list, count); }
};

}  // namespace detail

enum class Severity { Error = 0, Warning = 1, Hint = 2 };

// One finding of the configuration doctor (see SetupOrvex::CheckConfiguration).
struct Finding {
  Severity severity = Severity::Hint;
  std::string code;     // the rule, a stable name such as "home-page-not-allowed"
  std::string section;  // without brackets
  int line = 0;         // the file's 1-based line; 0 when what it concerns is missing
  std::string message;  // one sentence: what is wrong and what to do about it
};

// The component's operations. Each call stands alone, as it does for an automation host; the
// dialog operations return when their dialog has closed, or at once when they cannot show it
// (LastError says why). Any thread may call them.
class SetupOrvex {
 public:
  // The options dialog on `target` (a configuration file, or a folder that holds or will hold
  // Orvex.INI), for a web application whose files lie in `root`.
  static void Setup(const std::string& root, const std::string& target, const void* parent = nullptr) {
    KelmarGUIHelper_SetupOrvex(parent, root.c_str(), target.c_str());
  }
  // As Setup, with the server ("host:port") the dialog proposes for the pages.
  static void SetupEx(const std::string& root, const std::string& target, const std::string& default_server,
                      const void* parent = nullptr) {
    KelmarGUIHelper_SetupOrvexEx(parent, root.c_str(), target.c_str(), default_server.c_str());
  }
  // The options dialog on an existing configuration, with the defaults remembered for it.
  static void EditExistingProject(const std::string& config_file) {
    KelmarGUIHelper_EditExistingProject(config_file.c_str());
  }
  // Runs the wizard; the path of the configuration it built, or "" when it was cancelled.
  static std::string CreateNew() { return detail::TakeLibraryString(KelmarGUIHelper_CreateNew()); }
  // Writes the built-in template to `dest` with `start_file` as its home page.
  static bool CreateStartFile(const std::string& dest, const std::string& start_file) {
    return detail::FromAutomation(KelmarGUIHelper_CreateStartFile(dest.c_str(), start_file.c_str()));
  }
  // What in the configuration `config` (a file, or a folder holding Orvex.INI) will not work the
  // way its author most likely meant, as "orvex-setup check" lists it; nothing when it cannot be
  // read.
  static std::optional<std::vector<Finding>> CheckConfiguration(const std::string& config) {
    KelmarGUIHelper_Finding* list = nullptr;
    size_t count = 0;
    if (!detail::FromAutomation(KelmarGUIHelper_CheckConfiguration(config.c_str(), &list, &count))) return std::nullopt;
    const detail::LibraryFindings owned{list, count};
    std::vector<Finding> findings;
    for (size_t i = 0; i < count; ++i)
      findings.push_back({static_cast<Severity>(list[i].severity), list[i].code, list[i].section, list[i].line,
                          list[i].message});
    return findings;
  }
  static bool Compile(const std::string& src_dir, const std::string& project_file, const std::string& dest_dir) {
    return detail::FromAutomation(KelmarGUIHelper_Compile(src_dir.c_str(), project_file.c_str(), dest_dir.c_str()));
  }
  // Why this thread's last call did not do what it was asked, 0 when it did: an errno value, or
  // one of the negative KELMARGUIHELPER_ERROR_ values (no display, another thread, no dialogs).
  static int LastError() noexcept { return KelmarGUIHelper_LastError(); }
};

}  // namespace KelmarGUIHelper

#endif  // KELMARGUIHELPER_HPP
