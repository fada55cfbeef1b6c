// Every read operation of the INI layer on arbitrary file bytes and arbitrary names: nothing
// may crash, hang or hand back text that a caller would mistake for more than one line, and the
// reads scanned straight from the bytes answer what the document answers.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "config/CIniFile2.h"
#include "config/IniDocument.h"
#include "config/IniScan.h"
#include "config/PortableProfile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFileStore.h"

namespace kgh::fuzz {
namespace {

const std::string kFile = "Orvex.INI";

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

void CheckSectionReads(PortableProfile& profile, const std::string& bytes, const IniDocument& doc,
                       const std::string& section, std::size_t small_size) {
  std::string whole;
  const std::size_t whole_count = profile.GetSection(section, 1u << 24, kFile, whole);
  Require(whole_count == whole.size(), "section count matches the text delivered");
  Require(whole.empty() || whole.back() == '\0', "every section line ends with a NUL");
  Require(!HoldsLineBreak(whole), "section text holds no line break");

  std::string joined;
  for (const std::string& line : doc.SectionLines(section)) {
    Require(!line.empty(), "no empty section line");
    Require(line.find('\0') == std::string::npos, "no NUL inside a section line");
    joined += line;
    joined += '\0';
  }
  Require(joined == whole, "section read agrees with the document's lines");
  std::string scanned;
  ScanSectionText(bytes, section, scanned);
  Require(scanned == joined, "section scanned from the bytes agrees with the document's lines");

  std::string cut;
  const std::size_t cut_count = profile.GetSection(section, small_size, kFile, cut);
  Require(cut_count == cut.size(), "cut section count matches the text delivered");
  Require(whole.compare(0, cut.size(), cut) == 0, "a cut section is a prefix of the whole");
  if (whole.size() + 1 > small_size) Require(cut.size() == (small_size < 2 ? 0 : small_size - 2), "cut at size - 2");
  else Require(cut == whole, "a section that fits is not cut");

  CIniFile2 ini(profile);
  ini.INIFile = kFile;
  ini.Section = section;
  const std::string via_class = ini.GetSection();
  Require(via_class.size() <= CIniFile2::kSectionBufferSize - 2 || via_class == whole, "class buffer limit");
}

void CheckKeyReads(PortableProfile& profile, const std::string& bytes, const IniDocument& doc,
                   const std::string& section, const std::string& key) {
  const auto raw = doc.FindValue(section, key);
  Require(ScanValue(bytes, section, key) == raw, "value scanned from the bytes agrees with the document");
  if (raw) Require(raw->find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos, "a value is one line");

  CIniFile2 ini(profile);
  ini.INIFile = kFile;
  ini.Section = section;
  const std::string value = ini.GetString(key, "default ");
  Require(value.size() <= CIniFile2::kStringBufferSize - 1, "string read within its buffer");
  Require(value.find('\0') == std::string::npos && !HoldsLineBreak(value), "string read is one line");
  if (!raw) Require(value == "default", "a missing key gives the default without trailing blanks");

  const int32_t number = ini.GetInt(key, -77);
  if (!raw) Require(number == -77, "a missing key gives the integer default");
  else Require(number == ParseProfileInt(Unquote(*raw)), "integer read agrees with the value");
}

}  // namespace
}  // namespace kgh::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kgh;
  using namespace kgh::fuzz;
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(40);
  const std::string key = input.ConsumeRandomLengthString(40);
  const auto small_size = input.ConsumeIntegralInRange<std::size_t>(0, 64);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  const IniDocument doc = IniDocument::Parse(bytes);
  Require(doc.Serialize() == bytes, "parsing keeps every byte");

  MemoryFileStore store;
  store.Put(kFile, bytes);
  PortableProfile profile(store);
  CheckSectionReads(profile, bytes, doc, section, small_size);
  CheckKeyReads(profile, bytes, doc, section, key);
  for (const std::string& name : SectionNames(bytes)) {
    CheckSectionReads(profile, bytes, doc, name, small_size);
    CheckKeyReads(profile, bytes, doc, name, key);
  }
  Require(store.Get(kFile) == bytes, "reads never change the file");
  return 0;
}
