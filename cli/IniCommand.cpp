// ini FILE ACTION ...: the INI accessor for scripts, with exactly the component's semantics and
// buffer limits.
#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "cli/Recorders.h"
#include "config/CIniFile2.h"
#include "config/ConfigFormat.h"

namespace kgh::cli {

MessageAnswer StderrMessageBoxes::Show(const MessageRequest& request) {
  shown = true;
  std::cerr << "orvex-setup: " << file_ << ": " << request.text << '\n';
  return MessageAnswer::Ok;
}

namespace {

struct IniArgs {
  std::string file;
  std::string section;
  std::string key;
  std::string value;
};

std::vector<std::string> ReadLines(std::istream& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// Runs `action` on an accessor bound to the file and section; reports a failed write.
template <typename Action>
int RunIni(const IniArgs& args, Action action) {
  if (const std::string why = WhyUnreadable(args.file, true); !why.empty()) return Fail(args.file, why);
  RecordingProfile profile;
  StderrMessageBoxes messages(args.file);
  CIniFile2 ini(profile, &messages);
  ini.INIFile = args.file;
  ini.Section = args.section;
  action(ini);
  if (messages.shown) return kExitFailure;
  if (profile.failed) return Fail(args.file, profile.Reason(args.file));
  return kExitOk;
}

}  // namespace

void RegisterIniCommand(CLI::App& app, CommandResult& result) {
  auto args = std::make_shared<IniArgs>();
  CLI::App* ini = app.add_subcommand("ini", "Read or write an INI file the way the component does");
  ini->add_option("FILE", args->file, "INI file")->required();
  ini->require_subcommand(1);

  CLI::App* get = ini->add_subcommand("get", "Print a value (cut to 1022 characters)");
  get->add_option("SECTION", args->section, "Section name, without brackets")->required();
  get->add_option("KEY", args->key, "Key name")->required();
  get->add_option("DEFAULT", args->value, "Value when the key is missing");
  get->callback([args, &result] {
    result.exit_code = RunIni(*args, [&](CIniFile2& f) { std::cout << f.GetString(args->key, args->value) << '\n'; });
  });

  CLI::App* get_int = ini->add_subcommand("get-int", "Print a value read as an integer");
  get_int->add_option("SECTION", args->section, "Section name, without brackets")->required();
  get_int->add_option("KEY", args->key, "Key name")->required();
  auto int_default = std::make_shared<int32_t>(0);
  get_int->add_option("DEFAULT", *int_default, "Value when the key is missing");
  get_int->callback([args, int_default, &result] {
    result.exit_code = RunIni(*args, [&](CIniFile2& f) { std::cout << f.GetInt(args->key, *int_default) << '\n'; });
  });

  CLI::App* set = ini->add_subcommand("set", "Set a value");
  set->add_option("SECTION", args->section, "Section name, without brackets")->required();
  set->add_option("KEY", args->key, "Key name")->required();
  set->add_option("VALUE", args->value, "Value to write")->required();
  set->callback([args, &result] {
    result.exit_code = RunIni(*args, [&](CIniFile2& f) { f.WriteString(args->key, args->value); });
  });

  CLI::App* section = ini->add_subcommand("section", "Print a section's lines, one a line");
  section->add_option("SECTION", args->section, "Section name, without brackets")->required();
  section->callback([args, &result] {
    result.exit_code = RunIni(*args, [&](CIniFile2& f) {
      for (const std::string& line : SplitSectionText(f.GetSection())) std::cout << line << '\n';
    });
  });

  CLI::App* replace = ini->add_subcommand("replace-section", "Replace a section by the lines on standard input");
  replace->add_option("SECTION", args->section, "Section name, without brackets")->required();
  replace->callback([args, &result] {
    const std::vector<std::string> lines = ReadLines(std::cin);
    result.exit_code = RunIni(*args, [&](CIniFile2& f) { f.WriteSection(JoinSectionText(lines)); });
  });

  CLI::App* remove = ini->add_subcommand("delete-section", "Remove a section");
  remove->add_option("SECTION", args->section, "Section name, without brackets")->required();
  remove->callback([args, &result] {
    result.exit_code = RunIni(*args, [&](CIniFile2& f) { f.DeleteSection(); });
  });
}

}  // namespace kgh::cli
