// Read, write, read again on arbitrary file bytes with an arbitrary section, key and value:
// either the write is refused and the file keeps its bytes, or the file reads back with
// exactly that change and every other section and key reads as before.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <map>
#include <string>

#include "config/PortableProfile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFileStore.h"

namespace kgh::fuzz {
namespace {

const std::string kFile = "Orvex.INI";
using Sections = std::map<std::string, std::string>;

// The section's lines without the entries of `key` (all of them: duplicates stay duplicates).
std::vector<std::string> WithoutKey(const std::string& text, std::string_view key) {
  std::vector<std::string> kept;
  for (const std::string& line : SplitLines(text)) {
    const IniLineView view = ReadIniLine(line, false);
    if (view.kind == IniLineKind::Entry && EqualsNoCase(view.name, TrimIniBlanks(key))) continue;
    kept.push_back(line);
  }
  return kept;
}

// The text a section read gives back for section text handed to a section write.
std::string ExpectedSectionText(std::string_view content) {
  std::string text;
  for (const std::string& line : SplitLines(content)) {
    if (line.empty()) break;  // an empty line ends the list
    const IniLineView view = ReadIniLine(line, false);
    if (view.kind == IniLineKind::Entry) text += std::string(view.name) + "=" + std::string(view.value) + '\0';
    else if (view.kind == IniLineKind::Bare) text += std::string(view.name) + '\0';
  }
  return text;
}

void RequireOthersUnchanged(const Sections& before, const Sections& after, const std::string& written) {
  for (const auto& [name, text] : before) {
    if (name == written) continue;
    const auto it = after.find(name);
    Require(it != after.end() && it->second == text, "a section that was not written reads as before");
  }
  for (const auto& [name, text] : after)
    Require(name == written || before.count(name) != 0, "a write creates no other section");
}

struct Cycle {
  MemoryFileStore store;
  PortableProfile profile{store};
  std::string bytes_before;
  Sections before;
  Sections after;

  explicit Cycle(const std::string& bytes) : bytes_before(bytes) {
    store.Put(kFile, bytes);
    before = ReadAllSections(profile, kFile, bytes);
  }
  // False when the write was refused, after checking that it left the file alone.
  bool Settle(bool written) {
    if (!written) {
      Require(store.Get(kFile) == bytes_before, "a refused write leaves the file's bytes");
      return false;
    }
    after = ReadAllSections(profile, kFile, store.Get(kFile));
    return true;
  }
};

void WriteStringCycle(const std::string& bytes, const std::string& section, const std::string& key,
                      const std::string& value) {
  Cycle cycle(bytes);
  if (!cycle.Settle(cycle.profile.WriteString(section, key, value, kFile))) return;
  const std::string name = SectionKey(section);
  RequireOthersUnchanged(cycle.before, cycle.after, name);
  Require(cycle.after.count(name) != 0, "the written section exists");
  const std::string old_text = cycle.before.count(name) ? cycle.before.at(name) : std::string();
  Require(WithoutKey(old_text, key) == WithoutKey(cycle.after.at(name), key),
          "the written section's other lines read as before");
  std::string read;
  cycle.profile.GetString(section, key, "\x01missing", 1u << 24, kFile, read);
  Require(read == std::string(Unquote(TrimIniBlanks(value))), "the value reads back trimmed and unquoted");
}

void WriteSectionCycle(const std::string& bytes, const std::string& section, const std::string& content) {
  Cycle cycle(bytes);
  if (!cycle.Settle(cycle.profile.WriteSection(section, content, kFile))) return;
  const std::string name = SectionKey(section);
  RequireOthersUnchanged(cycle.before, cycle.after, name);
  Require(cycle.after.count(name) != 0 && cycle.after.at(name) == ExpectedSectionText(content),
          "the section reads back as written");
}

void DeleteSectionCycle(const std::string& bytes, const std::string& section) {
  Cycle cycle(bytes);
  if (!cycle.Settle(cycle.profile.DeleteSection(section, kFile))) return;
  const std::string name = SectionKey(section);
  RequireOthersUnchanged(cycle.before, cycle.after, name);
  Require(cycle.after.count(name) == 0, "a removed section is gone, duplicates included");
}

}  // namespace
}  // namespace kgh::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kgh::fuzz;
  FuzzedDataProvider input(data, size);
  const auto operation = input.ConsumeIntegralInRange<int>(0, 2);
  const std::string section = input.ConsumeRandomLengthString(40);
  const std::string key = input.ConsumeRandomLengthString(40);
  const std::string value = input.ConsumeRandomLengthString(200);
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  switch (operation) {
    case 0: WriteStringCycle(bytes, section, key, value); break;
    case 1: WriteSectionCycle(bytes, section, value); break;
    default: DeleteSectionCycle(bytes, section); break;
  }
  return 0;
}
