#pragma once
// Where the benchmarks keep their configurations: a folder of their own under the system's
// temporary folder, so that every figure comes from the real file store on a real disk.
#include <string>
#include <string_view>

namespace kgh::bench {

// A folder under the temporary folder, made when missing; `name` empty means the top one.
std::string BenchFolder(const std::string& name = "");

// Puts `bytes` in the file at `path`, replacing what was there.
void WriteFile(const std::string& path, std::string_view bytes);

// A [Browser] section as the options dialog writes it, every setting at its default but the
// home page on the server and the engine 2.
std::string BrowserSectionText();

}  // namespace kgh::bench
