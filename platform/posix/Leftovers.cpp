#include "platform/posix/Leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "platform/posix/FileCalls.h"

namespace kgh::posix {
namespace {

constexpr int kNameAttempts = 16;
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string TemporaryNameFor(const std::string& target) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  const auto slash = target.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  // The process id keeps the names of processes forked with the same random state apart.
  return dir + "." + NameOf(target) + "." + std::to_string(getpid()) + "." + std::to_string(random() % 1000000000ULL) +
         std::string(kTemporarySuffix);
}

// The id of the process that made `entry`, if it is ".<name>.<pid>.<number>.tmp".
std::optional<pid_t> WriterOf(std::string_view entry, const std::string& name) {
  constexpr std::string_view suffix = kTemporarySuffix;
  const std::string prefix = "." + name + ".";
  if (entry.size() <= prefix.size() + suffix.size() || !entry.starts_with(prefix) || !entry.ends_with(suffix))
    return std::nullopt;
  const std::string middle(entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size()));
  const auto dot = middle.find('.');
  if (dot == 0 || dot == std::string::npos || middle.find_first_not_of("0123456789.") != std::string::npos)
    return std::nullopt;
  // A planted name may hold any number of digits: one that is no process id names no writer.
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(middle.data(), middle.data() + dot, pid);
  return error == std::errc() && end == middle.data() + dot && pid > 0 ? std::optional<pid_t>(pid) : std::nullopt;
}

bool ProcessIsGone(pid_t pid) { return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH; }

// Paths of the temporary files beside `target` whose writers are gone.
std::vector<std::string> AbandonedTemporariesOf(const std::string& target) {
  std::vector<std::string> found;
  const std::string dir = ParentOf(target), name = NameOf(target);
  DIR* listing = opendir(dir.c_str());
  if (listing == nullptr) return found;
  while (const dirent* entry = readdir(listing)) {
    const auto writer = WriterOf(entry->d_name, name);
    if (writer && ProcessIsGone(*writer)) found.push_back(dir + "/" + entry->d_name);
  }
  closedir(listing);
  return found;
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

void RemoveAbandonedTemporaries(const std::string& target) {
  for (const std::string& leftover : AbandonedTemporariesOf(target)) (void)unlink(leftover.c_str());
}

}  // namespace kgh::posix
