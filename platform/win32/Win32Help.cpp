#include "platform/win32/Win32Help.h"

#include <htmlhelp.h>
#include <shellapi.h>

#include <utility>

namespace kgh::win32 {
namespace {

constexpr const char* kTopicProperty = "KelmarGUIHelperHelpTopic";

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The page named by the active window, else by the window that owns it, and so on up.
std::string TopicInFront() {
  for (HWND window = GetActiveWindow(); window != nullptr; window = GetWindow(window, GW_OWNER))
    if (const auto* page = static_cast<const char*>(GetPropA(window, kTopicProperty)); page != nullptr) return page;
  return "index";
}

}  // namespace

void SetHelpTopic(HWND window, const char* page) {
  // The names are constants of the program, so the property holds the pointer itself.
  SetPropA(window, kTopicProperty, const_cast<char*>(page));
}

Win32Help::Win32Help()
    : Win32Help([](const std::string& path) {
        ShellExecuteA(GetActiveWindow(), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      }) {}

Win32Help::Win32Help(Opener open) : open_(std::move(open)) {}

bool Win32Help::ShowHtmlHelp(const std::string& path) {
  // The engine would only report a missing file; the pages beside it serve better then.
  if (!IsFile(path)) return false;
  // From the system folder only: never a file of that name beside the host's program.
  HMODULE engine = LoadLibraryExA("hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (engine == nullptr) return false;
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  const auto help = reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(engine, "HtmlHelpA")));
  if (help == nullptr) return false;
  help(GetActiveWindow(), path.c_str(), HH_DISPLAY_TOPIC, 0);
  return true;
}

void Win32Help::ShellOpen(const std::string& path) {
  if (IsFile(path)) return open_(path);
  const std::string folder = path.substr(0, path.find_last_of("\\/") + 1) + "help\\";
  const std::string page = folder + TopicInFront() + ".html";
  if (IsFile(page)) return open_(page);
  if (IsFile(folder + "index.html")) open_(folder + "index.html");
}

}  // namespace kgh::win32
