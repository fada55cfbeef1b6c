#pragma once
// Decorators that remember why the last write failed, so that the tool can name the reason
// where the component itself stays silent.
#include <cerrno>
#include <string>

#include "cli/Commands.h"
#include "config/ForwardingProfile.h"
#include "platform/FileStore.h"
#include "platform/MessageBox.h"

namespace kgh::cli {

class RecordingProfile final : public ForwardingProfile {
 public:
  RecordingProfile() : ForwardingProfile(SystemProfileApi()) {}
  bool WriteSection(std::string_view s, std::string_view c, const std::string& f) override {
    return Record(ForwardingProfile::WriteSection(s, c, f));
  }
  bool WriteString(std::string_view s, std::string_view k, std::string_view v, const std::string& f) override {
    return Record(ForwardingProfile::WriteString(s, k, v, f));
  }
  bool DeleteSection(std::string_view s, const std::string& f) override {
    return Record(ForwardingProfile::DeleteSection(s, f));
  }
  bool ReplaceContent(const std::string& f, std::string_view b) override {
    return Record(ForwardingProfile::ReplaceContent(f, b));
  }
  bool CommitTransaction(const std::string& f) override { return Record(ForwardingProfile::CommitTransaction(f)); }

  bool failed = false;

  // Why the last failing write of `file` failed, in words that follow the file's name.
  std::string Reason(const std::string& file) const {
    if (LastError() == EINVAL) return "refused: the text would be read back as another line or section";
    if (LastError() == EFBIG)
      return "would become larger than " + std::to_string(kMaxFileBytes >> 20) +
             " MiB, which no configuration comes near (a real one is a few KB), so it is not written";
    return Refusal(file, LastError());
  }

 private:
  bool Record(bool ok) {
    failed = failed || !ok;
    return ok;
  }
};

// Message boxes become lines on stderr; the first one marks the command as failed.
class StderrMessageBoxes final : public MessageBoxService {
 public:
  explicit StderrMessageBoxes(std::string file) : file_(std::move(file)) {}
  MessageAnswer Show(const MessageRequest& request) override;
  bool shown = false;

 private:
  std::string file_;
};

}  // namespace kgh::cli
