// apply: writes the configuration `show --json` printed (edited or not) through the options
// dialog's saver, as one replacement of the file.
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <variant>

#include "cli/Commands.h"
#include "cli/ConfigurationJson.h"
#include "cli/Recorders.h"
#include "config/ProfileTransaction.h"
#include "platform/FileStore.h"

namespace kgh::cli {
namespace {

bool ReadAll(const std::string& source, std::string& text) {
  if (source == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return !std::cin.bad();
  }
  std::ifstream in(source, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

void RegisterApplyCommand(CLI::App& app, CommandResult& result) {
  auto config = std::make_shared<std::string>();
  auto source = std::make_shared<std::string>();
  CLI::App* apply = app.add_subcommand("apply", "Write a configuration from the JSON that show --json prints");
  apply->add_option("CONFIG", *config, "Configuration file, or a folder that holds (or will hold) Orvex.INI")
      ->required();
  apply->add_option("JSON", *source, "JSON file, or - for standard input")->required();
  apply->callback([config, source, &result] {
    std::string text;
    if (!ReadAll(*source, text)) {
      result.exit_code = Fail(*source, "cannot be read");
      return;
    }
    const std::string file = ConfigurationFileFor(*config);
    std::string bytes;
    int error = 0;
    const bool exists = SystemFileStore().Read(file, bytes, error) == ReadStatus::Ok;
    const auto parsed = ConfigurationFromJson(text, exists ? FileTextOf(bytes) : FileText::Utf8);
    const std::string source_name = *source == "-" ? "standard input" : *source;
    const auto refuse = [&](const std::string& why) {
      const bool sentence = !why.empty() && why.back() == '.';
      result.exit_code = Fail(source_name, why + (sentence ? " Nothing was written." : "; nothing was written."));
    };
    if (const auto* why = std::get_if<std::string>(&parsed)) return refuse(*why);
    const Configuration& given = std::get<Configuration>(parsed);
    RecordingProfile profile;
    CIniFile2 ini(profile);
    ini.INIFile = file;
    ProfileTransaction saving(profile, file);
    WriteConfiguration(ini, given);
    // The reading of what would be written, before it is: a text or section the file would cut
    // or merge is refused rather than written otherwise.
    if (const std::string member = MemberReadBackOtherwise(given, ReadConfiguration(ini)); !member.empty())
      return refuse(member + ": the file would not give it back as given");
    if (saving.Commit() && !profile.failed) return;
    result.exit_code = Fail(*config, file == *config ? profile.Reason() : profile.Reason() + "; writing " + file);
  });
}

}  // namespace kgh::cli
