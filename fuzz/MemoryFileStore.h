#pragma once
// A FileStore held in memory, so that fuzzers drive the whole INI layer without touching disk.
#include <map>
#include <string>
#include <string_view>

#include "platform/FileStore.h"

namespace kgh::fuzz {

class MemoryFileStore final : public FileStore {
 public:
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override {
    error = 0;
    const auto it = files_.find(path);
    if (it == files_.end()) {
      bytes.clear();
      return ReadStatus::Missing;
    }
    bytes = it->second;
    return ReadStatus::Ok;
  }

  bool Replace(const std::string& path, std::string_view bytes, int& error) override {
    error = 0;
    files_[path] = std::string(bytes);
    return true;
  }

  void Put(const std::string& path, std::string_view bytes) { files_[path] = std::string(bytes); }
  const std::string& Get(const std::string& path) { return files_[path]; }

 private:
  std::map<std::string, std::string> files_;
};

}  // namespace kgh::fuzz
