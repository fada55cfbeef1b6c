#include "platform/posix/Leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>
#include <vector>

#include "platform/posix/FileCalls.h"

namespace kgh::posix {
namespace {

enum class LeftoverKind { Temporary, Copy };

constexpr int kNameAttempts = 16;
constexpr std::string_view kTemporarySuffix = ".tmp", kCopySuffix = ".bak";

std::string_view SuffixOf(LeftoverKind kind) {
  return kind == LeftoverKind::Temporary ? kTemporarySuffix : kCopySuffix;
}

std::string TemporaryNameFor(const std::string& target) {
  static std::mt19937_64 random{std::random_device{}()};
  const auto slash = target.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  // The process id keeps the names of processes forked with the same random state apart.
  return dir + "." + NameOf(target) + "." + std::to_string(getpid()) + "." + std::to_string(random() % 1000000000ULL) +
         std::string(kTemporarySuffix);
}

// The id of the process that made `entry`, if it is ".<name>.<pid>.<number><suffix>".
std::optional<pid_t> WriterOf(std::string_view entry, const std::string& name, std::string_view suffix) {
  const std::string prefix = "." + name + ".";
  if (entry.size() <= prefix.size() + suffix.size() || !entry.starts_with(prefix) || !entry.ends_with(suffix))
    return std::nullopt;
  const std::string middle(entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size()));
  const auto dot = middle.find('.');
  if (dot == 0 || dot == std::string::npos || middle.find_first_not_of("0123456789.") != std::string::npos)
    return std::nullopt;
  const long pid = std::stol(middle.substr(0, dot));
  return pid > 0 ? std::optional<pid_t>(static_cast<pid_t>(pid)) : std::nullopt;
}

bool ProcessIsGone(pid_t pid) { return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH; }

// A rewrite holds a lock on its copy for as long as the copy bears its name, and the system
// releases it however the writer ends. Unlike a process id, which a new process may take while
// the copy waits for the next write, a lock is never reused; the id is the fallback where the
// copy cannot be opened or locked.
bool CopyIsAbandoned(const std::string& path, pid_t writer) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ProcessIsGone(writer);
  const bool gone = flock(fd, LOCK_SH | LOCK_NB) == 0 || (errno != EWOULDBLOCK && ProcessIsGone(writer));
  close(fd);
  return gone;
}

// Paths of the leftovers of `kind` beside `target` whose writers are gone.
std::vector<std::string> AbandonedLeftoversOf(const std::string& target, LeftoverKind kind) {
  std::vector<std::string> found;
  const std::string dir = ParentOf(target), name = NameOf(target);
  DIR* listing = opendir(dir.c_str());
  if (listing == nullptr) return found;
  while (const dirent* entry = readdir(listing)) {
    const auto writer = WriterOf(entry->d_name, name, SuffixOf(kind));
    if (!writer) continue;
    const std::string path = dir + "/" + entry->d_name;
    if (kind == LeftoverKind::Copy ? CopyIsAbandoned(path, *writer) : ProcessIsGone(*writer)) found.push_back(path);
  }
  closedir(listing);
  return found;
}

bool OlderThan(const struct timespec& a, const struct timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

}  // namespace

int CreateTemporary(const std::string& target, std::string& path) {
  // A name may be taken by the leftover of a write that was killed, possibly one made by a
  // process forked from this one with the same random state: try further names.
  int fd = -1;
  for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
    path = TemporaryNameFor(target);
    fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
}

std::string CopyNameOf(const std::string& temporary) {
  return temporary.substr(0, temporary.size() - kTemporarySuffix.size()).append(kCopySuffix);
}

std::optional<std::string> AbandonedCopyOf(const std::string& target) {
  // A rewrite that finds an abandoned copy keeps it rather than make its own, so there is one.
  // Should there be several, the one made first holds the content from before any of them began.
  std::optional<std::string> oldest;
  struct timespec oldest_time {};
  for (const std::string& copy : AbandonedLeftoversOf(target, LeftoverKind::Copy)) {
    struct stat st {};
    if (stat(copy.c_str(), &st) != 0) continue;
    if (!oldest || OlderThan(st.st_mtim, oldest_time)) {
      oldest = copy;
      oldest_time = st.st_mtim;
    }
  }
  return oldest;
}

void RemoveAbandonedLeftovers(const std::string& target) {
  for (const LeftoverKind kind : {LeftoverKind::Temporary, LeftoverKind::Copy})
    for (const std::string& leftover : AbandonedLeftoversOf(target, kind)) (void)unlink(leftover.c_str());
}

}  // namespace kgh::posix
