// apply: writes the configuration `show --json` printed (edited or not) through the options
// dialog's saver, as one replacement of the file.
#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <variant>

#include "cli/Commands.h"
#include "cli/ConfigurationJson.h"
#include "cli/Recorders.h"
#include "config/ProfileTransaction.h"
#include "platform/FileStore.h"

namespace kgh::cli {
namespace {

// The JSON from `in`, or why not. No JSON of a configuration comes near the size a configuration
// may have; more than that (a device that never ends) is not read on.
std::string ReadAll(std::istream& in, std::string& text) {
  std::array<char, 65536> buffer{};
  while (in.read(buffer.data(), buffer.size()), in.gcount() > 0) {
    text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxFileBytes) return Refusal("", EFBIG);
  }
  return in.bad() ? "cannot be read" : "";
}

std::string ReadJson(const std::string& source, std::string& text) {
  if (source == "-") return ReadAll(std::cin, text);
  std::error_code ec;
  if (std::filesystem::is_directory(source, ec)) return "is a folder, not a JSON file";
  std::ifstream in(source, std::ios::binary);
  if (!in) return "cannot be read";
  return ReadAll(in, text);
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
    if (const std::string why = ReadJson(*source, text); !why.empty()) {
      result.exit_code = Fail(*source == "-" ? "standard input" : *source, why);
      return;
    }
    const std::string file = ConfigurationFileFor(*config);
    std::string bytes;
    int error = 0;
    const ReadStatus status = SystemFileStore().Read(file, bytes, error);
    if (status == ReadStatus::Failed) {
      // A write would replace or fill what is no configuration, or could not keep what the file holds.
      const std::string why = Refusal(file, error) + "; nothing was written";
      result.exit_code = Fail(*config, file == *config ? why : file + " " + why);
      return;
    }
    const bool exists = status == ReadStatus::Ok;
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
    result.exit_code =
        Fail(*config, file == *config ? profile.Reason(file) : profile.Reason(file) + "; writing " + file);
  });
}

}  // namespace kgh::cli
