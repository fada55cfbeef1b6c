#pragma once
// The state of one open transaction on a file: its content as read at the start, the edits made
// since, and the one replacement that ends it.
#include <functional>
#include <string>
#include <vector>

#include "config/IniDocument.h"
#include "platform/FileStore.h"

namespace kgh {

// Changes a document; true when it changed anything.
using DocumentEdit = std::function<bool(IniDocument&)>;

class FileTransaction {
 public:
  FileTransaction(FileStore& store, std::string file);

  // Whether the file could be read (or is missing with its folder in place): only then can the
  // transaction change it. Otherwise `error` says why.
  bool usable() const { return status_ == ReadStatus::Ok || status_ == ReadStatus::Missing; }
  int error() const { return error_; }

  // The content as the transaction has it: read at the start, with every edit applied.
  const IniDocument& document() const { return document_; }

  // Applies `edit` now and remembers it for a replay; false when the transaction cannot change
  // the file.
  bool Apply(DocumentEdit edit);

  // Replaces the file once with the edited content, unless nothing changed. Should another
  // program have written the file since the start, the edits are applied again to what it
  // wrote, so its changes survive wherever the edits do not overwrite them. False with `error`
  // set when the file could not be read again or replaced; it is then as it was.
  bool Commit(int& error);

  int depth = 1;  // transactions on one file nest; only the outermost commits

 private:
  FileStore& store_;
  std::string file_;
  ReadStatus status_;
  int error_ = 0;
  std::string bytes_read_;
  IniDocument document_;
  std::vector<DocumentEdit> edits_;
  bool changed_ = false;
};

}  // namespace kgh
