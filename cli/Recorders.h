#pragma once
// Decorators that remember why the last write failed, so that the tool can name the reason
// where the component itself stays silent.
#include <cerrno>
#include <string>

#include "cli/Commands.h"
#include "config/ProfileApi.h"
#include "platform/FileStore.h"
#include "platform/MessageBox.h"

namespace kgh::cli {

class RecordingProfile final : public ProfileApi {
 public:
  std::size_t GetSection(std::string_view s, std::size_t n, const std::string& f, std::string& out) override {
    return inner_.GetSection(s, n, f, out);
  }
  bool WriteSection(std::string_view s, std::string_view c, const std::string& f) override {
    return Record(inner_.WriteSection(s, c, f));
  }
  std::size_t GetString(std::string_view s, std::string_view k, std::string_view d, std::size_t n,
                        const std::string& f, std::string& out) override {
    return inner_.GetString(s, k, d, n, f, out);
  }
  int32_t GetInt(std::string_view s, std::string_view k, int32_t d, const std::string& f) override {
    return inner_.GetInt(s, k, d, f);
  }
  bool WriteString(std::string_view s, std::string_view k, std::string_view v, const std::string& f) override {
    return Record(inner_.WriteString(s, k, v, f));
  }
  bool DeleteSection(std::string_view s, const std::string& f) override { return Record(inner_.DeleteSection(s, f)); }
  bool ReplaceContent(const std::string& f, std::string_view b) override { return Record(inner_.ReplaceContent(f, b)); }
  void BeginTransaction(const std::string& f) override { inner_.BeginTransaction(f); }
  bool CommitTransaction(const std::string& f) override { return Record(inner_.CommitTransaction(f)); }
  void AbandonTransaction(const std::string& f) override { inner_.AbandonTransaction(f); }
  void Flush(const std::string& f) override { inner_.Flush(f); }
  int LastError() const override { return inner_.LastError(); }

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
  ProfileApi& inner_ = SystemProfileApi();
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
