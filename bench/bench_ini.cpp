// Cost of each accessor operation on configurations of about 2 KB, 64 KB and 1 MB, beside the
// floor: reading the file into memory once and scanning it for line ends.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "component/SetupOrvex.h"
#include "config/CIniFile2.h"

namespace {

std::string BenchFolder() {
  const auto dir = std::filesystem::temp_directory_path() / "kgh-bench";
  std::filesystem::create_directories(dir);
  return dir.string();
}

// A configuration of about `bytes` bytes: [Browser], a toolbar, and user sections to fill up.
std::string MakeConfig(std::size_t bytes) {
  std::string text = "[Browser]\r\nHomepage=http://server/default.asp\r\nErrorPage=res://error.htm\r\n"
                     "StatusBar=1\r\nBrowserEngine=2\r\n[Toolbar]\r\nBack=1\r\nSep\r\nUser1=a.htm\r\n";
  for (int n = 1; text.size() < bytes; ++n)
    text += "[User" + std::to_string(n) + "]\r\nCaption=Button " + std::to_string(n) +
            "\r\nBitmap=img/b.bmp\r\n_Entry=http://server/pages/entry.htm\r\n";
  text += "[Domains]\r\nhttp://server\r\nmailto:\r\n";
  return text;
}

std::string PrepareFile(std::size_t bytes) {
  const std::string path = BenchFolder() + "/bench-" + std::to_string(bytes) + ".ini";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << MakeConfig(bytes);
  return path;
}

kgh::CIniFile2 Accessor(const std::string& path, const char* section) {
  kgh::CIniFile2 ini;
  ini.INIFile = path;
  ini.Section = section;
  return ini;
}

void Floor(benchmark::State& state) {
  const std::string path = PrepareFile(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
  }
}

void GetString(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Domains");
  for (auto _ : state) benchmark::DoNotOptimize(ini.GetString("missing", "x"));
}

void GetInt(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Browser");
  for (auto _ : state) benchmark::DoNotOptimize(ini.GetInt("StatusBar", 0));
}

void GetSection(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Domains");
  for (auto _ : state) benchmark::DoNotOptimize(ini.GetSection());
}

void WriteString(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Browser");
  int n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ini.WriteString("StatusBar", (++n % 2) != 0 ? "0" : "1"));
}

void WriteSection(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Domains");
  int n = 0;
  for (auto _ : state) ini.WriteSection((++n % 2) != 0 ? std::string("a\0b\0", 4) : std::string("c\0", 2));
}

void DeleteSection(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Domains");
  for (auto _ : state) {
    ini.DeleteSection();
    ini.WriteSection(std::string("a\0", 2));
  }
}

void CreateStartFile(benchmark::State& state) {
  const std::string path = BenchFolder() + "/start.ini";
  kgh::SetupOrvex component;
  for (auto _ : state) benchmark::DoNotOptimize(component.CreateStartFile(path, "default.asp"));
}

constexpr int64_t kSmall = 2 << 10, kMedium = 64 << 10, kLarge = 1 << 20;

}  // namespace

BENCHMARK(Floor)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge);
BENCHMARK(GetString)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge);
BENCHMARK(GetInt)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge);
BENCHMARK(GetSection)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge);
BENCHMARK(WriteString)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge);
BENCHMARK(WriteSection)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge);
BENCHMARK(DeleteSection)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge);
BENCHMARK(CreateStartFile);
BENCHMARK_MAIN();
