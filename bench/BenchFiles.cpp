#include "bench/BenchFiles.h"

#include <filesystem>
#include <fstream>
#include <type_traits>

#include "config/BrowserSettings.h"

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

std::string BrowserSectionText() {
  BrowserSettings settings;
  settings.home_page = "http://server/default.asp";
  settings.browser_engine = 2;
  std::string text = "[" + std::string(kBrowserSection) + "]\r\n";
  ForEachBrowserSetting(settings, [&text](const auto& setting, const auto& value) {
    text += std::string(setting.key) + "=";
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) text += value;
    else text += std::to_string(value);
    text += "\r\n";
  });
  return text;
}

}  // namespace kgh::bench
