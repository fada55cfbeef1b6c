#pragma once
// A fresh folder per test, removed afterwards, and whole-file helpers for byte comparisons.
#include <filesystem>
#include <string>
#include <vector>

namespace kgh::test {

class TempDir {
 public:
  // A fresh folder in `parent`, the system's folder for temporary files unless given.
  explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Names of the files in `dir` (no folders), sorted.
std::vector<std::string> ListFiles(const std::filesystem::path& dir);

}  // namespace kgh::test
