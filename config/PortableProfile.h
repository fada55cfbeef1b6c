#pragma once
// Private-profile semantics on top of a FileStore: each call reads the whole file, changes its
// lines and replaces the file atomically; within a transaction the calls share one reading and
// one replacement. Writes whose text would be read back as another line or section are refused
// whole and leave the file untouched.
#include <map>
#include <memory>

#include "config/FileTransaction.h"
#include "config/ProfileApi.h"
#include "platform/FileStore.h"

namespace kgh {

class PortableProfile final : public ProfileApi {
 public:
  explicit PortableProfile(FileStore& store) : store_(store) {}

  std::size_t GetSection(std::string_view section, std::size_t size, const std::string& file,
                         std::string& out) override;
  bool WriteSection(std::string_view section, std::string_view content, const std::string& file) override;
  std::size_t GetString(std::string_view section, std::string_view key, std::string_view default_value,
                        std::size_t size, const std::string& file, std::string& out) override;
  int32_t GetInt(std::string_view section, std::string_view key, int32_t default_value,
                 const std::string& file) override;
  bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                   const std::string& file) override;
  bool DeleteSection(std::string_view section, const std::string& file) override;
  bool ReplaceContent(const std::string& file, std::string_view bytes) override;
  void Flush(const std::string&) override {}  // every write is on disk when it returns
  int LastError() const override { return last_error_; }

  void BeginTransaction(const std::string& file) override;
  bool CommitTransaction(const std::string& file) override;
  void AbandonTransaction(const std::string& file) override;

 private:
  enum class Loaded { Ok, Missing, Failed };
  Loaded Load(const std::string& file, IniDocument& doc);
  bool Store(const std::string& file, const IniDocument& doc);
  bool Fail(int error);
  // Applies `edit` to the file: within its transaction, or read, changed and replaced at once.
  bool Edit(const std::string& file, DocumentEdit edit);
  // The open transaction on `file`, if any.
  FileTransaction* TransactionOn(const std::string& file);

  FileStore& store_;
  int last_error_ = 0;
  std::map<std::string, std::unique_ptr<FileTransaction>> transactions_;
};

// The platform's integer reading: an optional sign and the leading decimal digits, wrapping
// like the platform's 32-bit arithmetic; 0 when the text does not begin with a number.
int32_t ParseProfileInt(std::string_view text);

// Whether a name, key, value or section line can be written without being read back as
// something else (another line, another section).
bool IsWritableSectionName(std::string_view section);
bool IsWritableKey(std::string_view key);
bool IsWritableValue(std::string_view value);
bool IsWritableSectionLine(std::string_view line);

}  // namespace kgh
