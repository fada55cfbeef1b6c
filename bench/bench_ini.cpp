// Cost of each accessor operation on configurations of about 2 KB, 64 KB and 1 MB, beside the
// floors for the same files (bench/Floors.h): reads are set against the read floor, writes against
// the durable-rewrite floor.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchFiles.h"
#include "bench/Floors.h"
#include "component/SetupOrvex.h"
#include "config/BrowserSettings.h"
#include "config/CIniFile2.h"

namespace {

using kgh::bench::BenchFolder;

// A configuration of about `bytes` bytes: [Browser], a toolbar, and user sections to fill up.
std::string MakeConfig(std::size_t bytes) {
  std::string text = kgh::bench::BrowserSectionText() + "[Toolbar]\r\nBack=1\r\nSep\r\nUser1=a.htm\r\n";
  for (int n = 1; text.size() < bytes; ++n)
    text += "[User" + std::to_string(n) + "]\r\nCaption=Button " + std::to_string(n) +
            "\r\nBitmap=img/b.bmp\r\n_Entry=http://server/pages/entry.htm\r\n";
  text += "[Domains]\r\nhttp://server\r\nmailto:\r\n";
  return text;
}

std::string PrepareFile(std::size_t bytes) {
  const std::string path = BenchFolder() + "/bench-" + std::to_string(bytes) + ".ini";
  kgh::bench::WriteFile(path, MakeConfig(bytes));
  return path;
}

kgh::CIniFile2 Accessor(const std::string& path, const char* section) {
  kgh::CIniFile2 ini;
  ini.INIFile = path;
  ini.Section = section;
  return ini;
}

void ReadFloor(benchmark::State& state) {
  kgh::bench::RunReadFloor(state, PrepareFile(static_cast<std::size_t>(state.range(0))));
}

void DurableRewriteFloor(benchmark::State& state) {
  kgh::bench::RunDurableRewriteFloor(state, PrepareFile(static_cast<std::size_t>(state.range(0))));
}

void GetString(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Domains");
  for (auto _ : state) benchmark::DoNotOptimize(ini.GetString("missing", "x"));
}

void GetInt(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), kgh::kBrowserSection.data());
  for (auto _ : state) benchmark::DoNotOptimize(ini.GetInt(kgh::kSwitchSettings[1].key, 0));
}

void GetSection(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), "Domains");
  for (auto _ : state) benchmark::DoNotOptimize(ini.GetSection());
}

void WriteString(benchmark::State& state) {
  kgh::CIniFile2 ini = Accessor(PrepareFile(static_cast<std::size_t>(state.range(0))), kgh::kBrowserSection.data());
  int n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ini.WriteString(kgh::kSwitchSettings[1].key, (++n % 2) != 0 ? "0" : "1"));
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

// Wall-clock time throughout: a durable write mostly waits for the disk, which costs no CPU.
BENCHMARK(ReadFloor)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(DurableRewriteFloor)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(GetString)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(GetInt)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(GetSection)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(WriteString)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(WriteSection)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(DeleteSection)->Arg(kSmall)->Arg(kMedium)->Arg(kLarge)->UseRealTime();
BENCHMARK(CreateStartFile)->UseRealTime();
BENCHMARK_MAIN();
