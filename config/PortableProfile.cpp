#include "config/PortableProfile.h"

#include <cerrno>
#include <vector>

#include "config/IniDocument.h"
#include "config/IniScan.h"
#include "config/IniSyntax.h"

namespace kgh {
namespace {

bool HasLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

bool StartsLikeHeader(std::string_view text) {
  text = TrimIniBlanks(text);
  return !text.empty() && text.front() == '[';
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Splits NUL-terminated lines; an empty line ends the list, as for the platform's lists.
std::vector<std::string> SplitSectionContent(std::string_view content) {
  std::vector<std::string> lines;
  while (!content.empty()) {
    const auto nul = content.find('\0');
    const std::string_view line = content.substr(0, nul);
    if (line.empty()) break;
    lines.emplace_back(line);
    if (nul == std::string_view::npos) break;
    content.remove_prefix(nul + 1);
  }
  return lines;
}

// What a read answers from. Outside a transaction that is the file's bytes as they are now,
// scanned in one pass for the one value or section asked for: building the whole document would
// cost several times the reading itself. Within a transaction it is the transaction's content.
class ReadSource {
 public:
  // A file that is missing or cannot be read reads as empty; why it cannot is kept in
  // `last_error`, as for a write.
  ReadSource(const FileTransaction* transaction, FileStore& store, const std::string& file, int& last_error)
      : document_(transaction != nullptr ? &transaction->document() : nullptr) {
    if (document_ != nullptr) return;
    int error = 0;
    const ReadStatus status = store.Read(file, bytes_, error);
    if (status == ReadStatus::Unreachable || status == ReadStatus::Failed) last_error = error;
    if (status != ReadStatus::Ok) bytes_.clear();
  }

  // The value as it stands in the file (trimmed, quotes kept); valid while this source lives.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) {
    if (document_ == nullptr) return ScanValue(bytes_, section, key);
    found_ = document_->FindValue(section, key);
    return found_ ? std::optional<std::string_view>(*found_) : std::nullopt;
  }

  // Appends the section's lines, each followed by one NUL.
  void AppendSectionText(std::string_view section, std::string& out) const {
    if (document_ == nullptr) {
      ScanSectionText(bytes_, section, out);
      return;
    }
    for (const std::string& line : document_->SectionLines(section)) {
      out += line;
      out += '\0';
    }
  }

 private:
  const IniDocument* document_;
  std::string bytes_;
  std::optional<std::string> found_;
};

}  // namespace

bool IsWritableSectionName(std::string_view section) {
  return !TrimIniBlanks(section).empty() && !HasLineBreakOrNul(section) && section.find(']') == std::string_view::npos;
}

bool IsWritableKey(std::string_view key) {
  // A key holding "=" would be read back as a shorter key, one starting with ";" as a comment.
  const std::string_view trimmed = TrimIniBlanks(key);
  return !trimmed.empty() && !HasLineBreakOrNul(key) && !StartsLikeHeader(key) &&
         key.find('=') == std::string_view::npos && trimmed.front() != ';';
}

bool IsWritableValue(std::string_view value) { return !HasLineBreakOrNul(value); }

// Only a line that would be read back as a header is refused: a bare line such as "[x" (what a
// reader makes of a damaged header) must survive being read and written back.
bool IsWritableSectionLine(std::string_view line) {
  return !HasLineBreakOrNul(line) && ReadIniLine(line, false).kind != IniLineKind::Header;
}

int32_t ParseProfileInt(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10U + static_cast<uint32_t>(text[i] - '0');
  if (negative) value = 0U - value;
  return static_cast<int32_t>(value);
}

bool PortableProfile::Fail(int error) {
  last_error_ = error;
  return false;
}

PortableProfile::Loaded PortableProfile::Load(const std::string& file, IniDocument& doc) {
  std::string bytes;
  int error = 0;
  switch (store_.Read(file, bytes, error)) {
    case ReadStatus::Ok:
      doc = IniDocument::Parse(std::move(bytes));
      return Loaded::Ok;
    case ReadStatus::Missing:
      doc = IniDocument();
      return Loaded::Missing;
    case ReadStatus::Unreachable:
    case ReadStatus::Failed:
      break;
  }
  doc = IniDocument();
  last_error_ = error;
  return Loaded::Failed;
}

bool PortableProfile::Store(const std::string& file, const IniDocument& doc) {
  int error = 0;
  if (store_.Replace(file, doc.Serialize(), error)) return true;
  return Fail(error);
}

std::size_t PortableProfile::GetSection(std::string_view section, std::size_t size, const std::string& file,
                                        std::string& out) {
  out.clear();
  ReadSource(TransactionOn(file), store_, file, last_error_).AppendSectionText(section, out);
  // The buffer holds the text and the NUL that closes the list.
  if (size < 2) out.clear();
  else if (out.size() + 1 > size) out.resize(size - 2);
  return out.size();
}

bool PortableProfile::WriteSection(std::string_view section, std::string_view content, const std::string& file) {
  if (!IsWritableSectionName(section)) return Fail(EINVAL);
  std::vector<std::string> lines = SplitSectionContent(content);
  for (const std::string& line : lines)
    if (!IsWritableSectionLine(line)) return Fail(EINVAL);
  return Edit(file, [name = std::string(section), lines = std::move(lines)](IniDocument& doc) {
    return doc.ReplaceSection(name, lines);
  });
}

std::size_t PortableProfile::GetString(std::string_view section, std::string_view key,
                                       std::string_view default_value, std::size_t size, const std::string& file,
                                       std::string& out) {
  ReadSource source(TransactionOn(file), store_, file, last_error_);
  const auto raw = source.Value(section, key);
  out = raw ? std::string(Unquote(*raw)) : std::string(TrimTrailingBlanks(default_value));
  if (const auto nul = out.find('\0'); nul != std::string::npos) out.resize(nul);
  if (size == 0) out.clear();
  else if (out.size() > size - 1) out.resize(size - 1);
  return out.size();
}

int32_t PortableProfile::GetInt(std::string_view section, std::string_view key, int32_t default_value,
                                const std::string& file) {
  ReadSource source(TransactionOn(file), store_, file, last_error_);
  const auto raw = source.Value(section, key);
  return raw ? ParseProfileInt(Unquote(*raw)) : default_value;
}

bool PortableProfile::WriteString(std::string_view section, std::string_view key, std::string_view value,
                                  const std::string& file) {
  if (!IsWritableSectionName(section) || !IsWritableKey(key) || !IsWritableValue(value)) return Fail(EINVAL);
  return Edit(file, [name = std::string(section), key = std::string(key), value = std::string(value)](
                        IniDocument& doc) { return doc.SetValue(name, key, value); });
}

bool PortableProfile::DeleteSection(std::string_view section, const std::string& file) {
  // A missing file has no section to remove: nothing changes, and that is no failure.
  return Edit(file, [name = std::string(section)](IniDocument& doc) { return doc.RemoveSection(name); });
}

bool PortableProfile::ReplaceContent(const std::string& file, std::string_view bytes) {
  if (FileTransaction* transaction = TransactionOn(file)) {
    return transaction->Apply([content = std::string(bytes)](IniDocument& doc) {
      doc = IniDocument::Parse(content);
      return true;  // written even when the bytes are the same: the file is made anew
    }) || Fail(transaction->error());
  }
  int error = 0;
  return store_.Replace(file, bytes, error) || Fail(error);
}

bool PortableProfile::Edit(const std::string& file, DocumentEdit edit) {
  if (FileTransaction* transaction = TransactionOn(file))
    return transaction->Apply(std::move(edit)) || Fail(transaction->error());
  IniDocument doc;
  if (Load(file, doc) == Loaded::Failed) return false;
  // A write that changes nothing still makes whole a file that a killed write left torn.
  return (!edit(doc) && !store_.NeedsRepair(file)) || Store(file, doc);
}

FileTransaction* PortableProfile::TransactionOn(const std::string& file) {
  const auto found = transactions_.find(file);
  return found == transactions_.end() ? nullptr : found->second.get();
}

void PortableProfile::BeginTransaction(const std::string& file) {
  if (FileTransaction* open = TransactionOn(file)) {
    ++open->depth;
    return;
  }
  transactions_[file] = std::make_unique<FileTransaction>(store_, file);
}

bool PortableProfile::CommitTransaction(const std::string& file) {
  const auto found = transactions_.find(file);
  if (found == transactions_.end()) return true;
  if (--found->second->depth > 0) return true;  // the outermost transaction writes
  const std::unique_ptr<FileTransaction> transaction = std::move(found->second);
  transactions_.erase(found);
  int error = 0;
  return transaction->Commit(error) || Fail(error);
}

void PortableProfile::AbandonTransaction(const std::string& file) {
  const auto found = transactions_.find(file);
  if (found == transactions_.end()) return;
  if (--found->second->depth == 0) transactions_.erase(found);
}

// One per thread: its open transactions are the calling thread's user action, which another
// thread's reads and writes of the same file must neither join nor see half done, and its last
// error answers for that thread's last call, as the platform's own last-error value does.
ProfileApi& SystemProfileApi() {
  thread_local PortableProfile profile(SystemFileStore());
  return profile;
}

}  // namespace kgh
