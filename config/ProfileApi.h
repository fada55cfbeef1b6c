#pragma once
// The private-profile functions that CIniFile2 sits on, as an interface: the portable
// implementation below serves every platform, and a Windows build may route the same calls to
// the system's own functions. Names and buffer rules follow those functions; strings are the
// file's 8-bit text.
#include <cstdint>
#include <string>
#include <string_view>

namespace kgh {

class ProfileApi {
 public:
  virtual ~ProfileApi() = default;

  // The section's lines, each followed by one NUL, into at most `size` characters including
  // the closing NUL. Returns the count of characters delivered; when the text does not fit,
  // the count is size - 2 and the last line is cut.
  virtual std::size_t GetSection(std::string_view section, std::size_t size, const std::string& file,
                                 std::string& out) = 0;

  // Replaces the section's lines by those of `content` (lines each followed by one NUL; an
  // empty line ends the list). Creates the section, and the file, when missing.
  virtual bool WriteSection(std::string_view section, std::string_view content, const std::string& file) = 0;

  // The value (trimmed, one pair of outer quotes removed) or `default_value` (trailing blanks
  // removed), cut to size - 1 characters. Returns the count delivered.
  virtual std::size_t GetString(std::string_view section, std::string_view key, std::string_view default_value,
                                std::size_t size, const std::string& file, std::string& out) = 0;

  // An optional sign and the leading digits of the value; 0 when it does not begin with a
  // number; `default_value` when the key is missing.
  virtual int32_t GetInt(std::string_view section, std::string_view key, int32_t default_value,
                         const std::string& file) = 0;

  // Sets key = value in the section, creating the section and the file when missing.
  virtual bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                           const std::string& file) = 0;

  // Removes the section's header and lines. A missing section is no failure.
  virtual bool DeleteSection(std::string_view section, const std::string& file) = 0;

  // Replaces the whole file with `bytes`, creating it when missing.
  virtual bool ReplaceContent(const std::string& file, std::string_view bytes) = 0;

  // Transactions: the calls for `file` between Begin and Commit read and change its content as
  // read once at the start, and Commit replaces the file once, so a reader or a crash sees the
  // file before or after all of them. Transactions on one file nest; only the outermost Commit
  // writes, and abandoning the outermost drops what the transaction changed. An implementation
  // without transactions lets every call stand alone, as outside a transaction.
  virtual void BeginTransaction(const std::string& /*file*/) {}
  // False when the file could not be replaced; it is then as it was.
  virtual bool CommitTransaction(const std::string& /*file*/) { return true; }
  virtual void AbandonTransaction(const std::string& /*file*/) {}

  // Asks for cached profile data to reach the disk; `file` empty means every file.
  virtual void Flush(const std::string& file) = 0;

  // The system error number of the last call that failed.
  virtual int LastError() const = 0;
};

// The portable implementation on the running system's files, one for each thread: a transaction
// and LastError belong to the thread that made the calls.
ProfileApi& SystemProfileApi();

}  // namespace kgh
