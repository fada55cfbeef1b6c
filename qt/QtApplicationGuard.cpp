#include "qt/QtApplicationGuard.h"

#include <QApplication>
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace kgh::qt {

namespace {

// QApplication keeps references to argc and argv for its whole life, so both must outlive it.
int dummy_argc = 1;
char dummy_name[] = "orvex-setup";
char* dummy_argv[] = {dummy_name, nullptr};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

// The platforms Qt tries, in order: QT_QPA_PLATFORM's ";"-separated list when set, else the one
// the session type names, then the build's default (xcb on Linux).
std::vector<std::string> PlatformsQtTries() {
  std::string list = Environment("QT_QPA_PLATFORM");
  if (list.empty()) list = Environment("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
  std::vector<std::string> names;
  for (std::string_view rest = list; !rest.empty();) {
    const auto end = rest.find(';');
    std::string_view entry = rest.substr(0, end);
    entry = entry.substr(0, entry.find(':'));  // "name:options"
    if (!entry.empty()) names.emplace_back(entry);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return names;
}

bool WaylandCompositorReachable() {
  if (!Environment("WAYLAND_DISPLAY").empty()) return true;
  // Without WAYLAND_DISPLAY a client connects to "wayland-0" in the runtime folder.
  const std::string runtime = Environment("XDG_RUNTIME_DIR");
  std::error_code error;
  return !runtime.empty() && std::filesystem::exists(std::filesystem::path(runtime) / "wayland-0", error);
}

// Whether the X server that DISPLAY names lets this process in. A DISPLAY inherited through sudo
// without its authority, or left by a forwarding that is gone, ends a process in Qt just as a
// missing one does. The X client library is the one Qt's own X platform loads; where it is
// missing, that platform cannot start either.
bool XServerAnswers() {
  if (Environment("DISPLAY").empty()) return false;
  void* library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
  if (library == nullptr) return false;
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  const auto connect = reinterpret_cast<Connect>(dlsym(library, "xcb_connect"));
  const auto has_error = reinterpret_cast<HasError>(dlsym(library, "xcb_connection_has_error"));
  const auto disconnect = reinterpret_cast<Disconnect>(dlsym(library, "xcb_disconnect"));
  bool answers = false;
  if (connect != nullptr && has_error != nullptr && disconnect != nullptr) {
    void* connection = connect(nullptr, nullptr);
    answers = connection != nullptr && has_error(connection) == 0;
    if (connection != nullptr) disconnect(connection);
  }
  dlclose(library);
  return answers;
}

bool PlatformCanStart(const std::string& name) {
  if (name == "xcb") return XServerAnswers();
  if (name.starts_with("wayland")) return WaylandCompositorReachable();
  // offscreen and minimal need nothing; eglfs, linuxfb or vnc are named only on purpose, by a
  // system that has what they draw on.
  return true;
}

}  // namespace

QApplication& EnsureApplication() {
  if (auto* existing = qobject_cast<QApplication*>(QApplication::instance())) return *existing;
  // Never deleted: destroying a QApplication and creating another is not supported.
  static auto* created = new QApplication(dummy_argc, dummy_argv);
  return *created;
}

bool DisplayAvailable() {
  for (const std::string& name : PlatformsQtTries())
    if (PlatformCanStart(name)) return true;
  return false;
}

}  // namespace kgh::qt
