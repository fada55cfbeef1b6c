#pragma once
// The component's one way to read and write INI files: bound to a file and a current section,
// with the fixed buffer sizes the configuration relies on. A new instance is made for each use.
#include <cstdint>
#include <string>
#include <string_view>

#include "config/ProfileApi.h"
#include "platform/MessageBox.h"

namespace kgh {

// How a configuration that could not be written is reported: a critical box with the system's
// text for `error`, titled with the application title. Nothing is shown without `messages`.
void ShowWriteFailure(MessageBoxService* messages, int error);

class CIniFile2 {
 public:
  // Buffer sizes handed to the profile functions.
  static constexpr std::size_t kSectionBufferSize = 16383;  // a longer section is cut at 16381
  static constexpr std::size_t kStringBufferSize = 1023;    // a longer value is cut at 1022

  // `messages` shows the one failure this class reports: a section that cannot be removed.
  explicit CIniFile2(ProfileApi& profile = SystemProfileApi(), MessageBoxService* messages = nullptr)
      : profile_(profile), messages_(messages) {}

  std::string INIFile;  // full path of the INI file
  std::string Section;  // the current section; every operation works on it

  // The current section's lines, each followed by one NUL; "" when missing or empty.
  std::string GetSection();
  // Replaces the current section by the lines of `content` (each followed by one NUL).
  void WriteSection(std::string_view content);
  std::string GetString(std::string_view key, std::string_view default_value = "");
  int32_t GetInt(std::string_view key, int32_t default_value = 0);
  // True when the value reached the file.
  bool WriteString(std::string_view key, std::string_view value);
  // Removes the current section; a failure is shown as an error message and otherwise ignored.
  void DeleteSection();

  // The profile functions this accessor goes through, for a transaction around several calls.
  ProfileApi& Profile() const { return profile_; }

 private:
  void Flush();

  ProfileApi& profile_;
  MessageBoxService* messages_;
};

}  // namespace kgh
