#include "bench/BenchFiles.h"

#include <filesystem>
#include <fstream>

namespace kgh::bench {

std::string BenchFolder(const std::string& name) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "kgh-bench";
  if (!name.empty()) dir /= name;
  std::filesystem::create_directories(dir);
  return dir.string();
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace kgh::bench
