#include "config/CIniFile2.h"

#include "platform/FileStore.h"

namespace kgh {

void CIniFile2::Flush() {
  // Once for this file and once for every file, so that the browser reading the file sees
  // the change at once even where the platform caches profile data.
  profile_.Flush(INIFile);
  profile_.Flush("");
}

std::string CIniFile2::GetSection() {
  std::string text;
  profile_.GetSection(Section, kSectionBufferSize, INIFile, text);
  return text;
}

void CIniFile2::WriteSection(std::string_view content) {
  std::string terminated(content);
  terminated.append(2, '\0');
  profile_.WriteSection(Section, terminated, INIFile);
  Flush();
}

std::string CIniFile2::GetString(std::string_view key, std::string_view default_value) {
  std::string value;
  profile_.GetString(Section, key, default_value, kStringBufferSize, INIFile, value);
  return value;
}

int32_t CIniFile2::GetInt(std::string_view key, int32_t default_value) {
  return profile_.GetInt(Section, key, default_value, INIFile);
}

bool CIniFile2::WriteString(std::string_view key, std::string_view value) {
  const bool ok = profile_.WriteString(Section, key, value, INIFile);
  Flush();
  return ok;
}

void ShowWriteFailure(MessageBoxService* messages, int error) {
  if (messages == nullptr) return;
  messages->Show(MessageRequest::Error(DescribeSystemError(error)));
}

void CIniFile2::DeleteSection() {
  if (!profile_.DeleteSection(Section, INIFile)) ShowWriteFailure(messages_, profile_.LastError());
  Flush();
}

}  // namespace kgh
