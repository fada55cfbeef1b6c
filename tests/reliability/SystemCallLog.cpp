// The C library's file calls, defined again in the test program, so that the code linked into it
// (the store's among it) reaches them here first. Each passes the call on to the C library's own
// function unchanged and notes it when it touches the folder of an open log.
#include "SystemCallLog.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <mutex>

namespace kgh::test {
namespace {

struct State {
  std::mutex mutex;
  std::string folder;               // with no trailing slash
  std::map<int, std::string> open;  // descriptors of the folder and its files, by name
  std::vector<SystemCall> calls;
  std::string failing_call;  // the next such call on the folder fails with `failing_error`
  int failing_error = 0;
};

std::atomic<bool> logging{false};

State& state() {
  static State* const s = new State;  // never destroyed: calls may come in until the process ends
  return *s;
}

template <typename Function>
Function* Real(const char* name) {
  return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

// The name in the folder that `path` gives, "." for the folder itself, or "" when elsewhere.
std::string NameIn(const std::string& folder, std::string path) {
  if (path == folder) return ".";
  if (path.rfind(folder + "/", 0) != 0) return "";
  path.erase(0, folder.size() + 1);
  return path.find('/') == std::string::npos ? path : "";
}

// The absolute path of `path` as seen from the folder that `dir` is open on.
std::string Absolute(State& s, int dir, const char* path) {
  if (path == nullptr) return "";
  if (path[0] == '/' || dir == AT_FDCWD) return path;
  const auto known = s.open.find(dir);
  if (known == s.open.end()) return "";
  return known->second == "." ? s.folder + "/" + path : "";
}

void Note(State& s, const std::string& call, const std::string& name, const std::string& to = "") {
  if (call == "write" && !s.calls.empty() && s.calls.back().call == "write" && s.calls.back().path == name) return;
  s.calls.push_back({call, name, to});
}

void Opened(int dir, const char* path, int flags, int fd) {
  if (!logging || fd < 0) return;
  State& s = state();
  const std::lock_guard lock(s.mutex);
  const std::string name = NameIn(s.folder, Absolute(s, dir, path));
  if (name.empty()) {
    s.open.erase(fd);  // the number may have been a file of the folder's before
    return;
  }
  s.open[fd] = name;
  if ((flags & O_CREAT) != 0) Note(s, "create", name);
}

// Notes a call on the folder's files once `perform` has made it; a call to fail fails unmade.
template <typename Perform>
auto Logged(const char* call, std::string name, std::string to, Perform perform) -> decltype(perform()) {
  State& s = state();
  if (!logging || (name.empty() && to.empty())) return perform();
  {
    const std::lock_guard lock(s.mutex);
    if (s.failing_call == call) {
      s.failing_call.clear();
      errno = s.failing_error;
      return -1;
    }
  }
  const auto result = perform();
  const int error = errno;
  if (result >= 0) {
    const std::lock_guard lock(s.mutex);
    Note(s, call, name, to);
  }
  errno = error;
  return result;
}

std::string NameOf(int fd) {
  if (!logging) return "";
  State& s = state();
  const std::lock_guard lock(s.mutex);
  const auto known = s.open.find(fd);
  return known == s.open.end() ? "" : known->second;
}

std::string NameOf(int dir, const char* path) {
  if (!logging || path == nullptr) return "";
  State& s = state();
  const std::lock_guard lock(s.mutex);
  return NameIn(s.folder, Absolute(s, dir, path));
}

// Forgets the descriptor's name; a descriptor closed twice is noted, as the second close may
// close a file another part of the process opened under the same number meanwhile.
void Forget(int fd) {
  if (!logging) return;
  State& s = state();
  const std::lock_guard lock(s.mutex);
  s.open.erase(fd);
  if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) Note(s, "close", "(not open)");
}

mode_t ModeOf(int flags, va_list& args) {
  return (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(args, mode_t) : 0;
}

}  // namespace

SystemCallLog::SystemCallLog(const std::string& folder) {
  State& s = state();
  const std::lock_guard lock(s.mutex);
  s.folder = folder;
  s.open.clear();
  s.calls.clear();
  logging = true;
}

SystemCallLog::~SystemCallLog() {
  logging = false;
  const std::lock_guard lock(state().mutex);
  state().failing_call.clear();
}

void SystemCallLog::FailNext(const std::string& call, int error) {
  const std::lock_guard lock(state().mutex);
  state().failing_call = call;
  state().failing_error = error;
}

std::vector<SystemCall> SystemCallLog::calls() const {
  State& s = state();
  const std::lock_guard lock(s.mutex);
  return s.calls;
}

}  // namespace kgh::test

using kgh::test::Forget;
using kgh::test::Logged;
using kgh::test::NameOf;
using kgh::test::Opened;
using kgh::test::Real;

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = kgh::test::ModeOf(flags, args);
  va_end(args);
  static auto* const real = Real<int(const char*, int, ...)>("open");
  const int fd = real(path, flags, mode);
  const int error = errno;
  Opened(AT_FDCWD, path, flags, fd);
  errno = error;
  return fd;
}

int openat(int dir, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = kgh::test::ModeOf(flags, args);
  va_end(args);
  static auto* const real = Real<int(int, const char*, int, ...)>("openat");
  const int fd = real(dir, path, flags, mode);
  const int error = errno;
  Opened(dir, path, flags, fd);
  errno = error;
  return fd;
}

int close(int fd) {
  const int error = errno;
  Forget(fd);
  errno = error;
  static auto* const real = Real<int(int)>("close");
  return real(fd);
}

ssize_t write(int fd, const void* bytes, size_t count) {
  static auto* const real = Real<ssize_t(int, const void*, size_t)>("write");
  return Logged("write", NameOf(fd), "", [&] { return real(fd, bytes, count); });
}

int ftruncate(int fd, off_t length) noexcept {
  static auto* const real = Real<int(int, off_t)>("ftruncate");
  return Logged("truncate", NameOf(fd), "", [&] { return real(fd, length); });
}

int fsync(int fd) {
  static auto* const real = Real<int(int)>("fsync");
  return Logged("fsync", NameOf(fd), "", [&] { return real(fd); });
}

int rename(const char* from, const char* to) noexcept {
  static auto* const real = Real<int(const char*, const char*)>("rename");
  return Logged("rename", NameOf(AT_FDCWD, from), NameOf(AT_FDCWD, to), [&] { return real(from, to); });
}

int renameat2(int from_dir, const char* from, int to_dir, const char* to, unsigned int flags) noexcept {
  static auto* const real = Real<int(int, const char*, int, const char*, unsigned int)>("renameat2");
  return Logged("rename", NameOf(from_dir, from), NameOf(to_dir, to),
                [&] { return real(from_dir, from, to_dir, to, flags); });
}

int unlink(const char* path) noexcept {
  static auto* const real = Real<int(const char*)>("unlink");
  return Logged("unlink", NameOf(AT_FDCWD, path), "", [&] { return real(path); });
}

}  // extern "C"
