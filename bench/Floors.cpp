#include "bench/Floors.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string_view>

namespace kgh::bench {
namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  return close(fd) == 0 && synced;
}

bool DurableRewrite(const std::string& path, const std::string& temporary, std::string_view bytes) {
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  return close(fd) == 0 && written && rename(temporary.c_str(), path.c_str()) == 0 && SyncFolder(FolderOf(path));
}

}  // namespace

void RunReadFloor(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    const std::string bytes = ReadWhole(path);
    benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
  }
}

void RunDurableRewriteFloor(benchmark::State& state, const std::string& path) {
  const std::string bytes = ReadWhole(path);
  const std::string temporary = path + ".floor.tmp";
  for (auto _ : state) {
    if (!DurableRewrite(path, temporary, bytes)) {
      state.SkipWithError("the durable rewrite failed");
      break;
    }
  }
}

}  // namespace kgh::bench
