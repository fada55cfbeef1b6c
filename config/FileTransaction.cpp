#include "config/FileTransaction.h"

#include <utility>

namespace kgh {

FileTransaction::FileTransaction(FileStore& store, std::string file) : store_(store), file_(std::move(file)) {
  status_ = store_.Read(file_, bytes_read_, error_);
  if (status_ == ReadStatus::Ok) document_ = IniDocument::Parse(bytes_read_);
}

bool FileTransaction::Apply(DocumentEdit edit) {
  if (!usable()) return false;
  if (edit(document_)) changed_ = true;
  edits_.push_back(std::move(edit));
  return true;
}

bool FileTransaction::Commit(int& error) {
  // A transaction that changes nothing leaves the file untouched, unless a killed write left it
  // torn: what was read then came from its copy, and the file must be made whole.
  if (!changed_ && !store_.NeedsRepair(file_)) return true;
  std::string bytes_now;
  const ReadStatus now = store_.Read(file_, bytes_now, error);
  if (now != ReadStatus::Ok && now != ReadStatus::Missing) return false;
  if (now != status_ || bytes_now != bytes_read_) {
    document_ = now == ReadStatus::Ok ? IniDocument::Parse(bytes_now) : IniDocument();
    for (const DocumentEdit& edit : edits_) edit(document_);
  }
  const std::string bytes = document_.Serialize();
  // Edits that undo each other (a section removed and written again as it was) change nothing.
  if (now == ReadStatus::Ok && bytes == bytes_now && !store_.NeedsRepair(file_)) return true;
  return store_.Replace(file_, bytes, error);
}

}  // namespace kgh
