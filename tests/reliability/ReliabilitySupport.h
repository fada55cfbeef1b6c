#pragma once
// Shared by the reliability tests: a message box that records instead of showing, a file store
// whose writes fail on demand, and a whole-file view of what a reader sees in every section.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileStore.h"
#include "platform/MessageBox.h"

namespace kgh::test {

class RecordingMessageBoxes final : public MessageBoxService {
 public:
  MessageAnswer Show(const MessageRequest& request) override {
    shown.push_back(request);
    return MessageAnswer::Ok;
  }
  std::vector<MessageRequest> shown;
};

// Reads through to the system's store; every replace fails with `error` and changes nothing,
// as a full disk or an I/O error would.
class FailingWritesStore final : public FileStore {
 public:
  explicit FailingWritesStore(int error) : error_(error) {}
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override {
    return SystemFileStore().Read(path, bytes, error);
  }
  bool Replace(const std::string&, std::string_view, int& error) override {
    error = error_;
    return false;
  }

 private:
  int error_;
};

// Section name (case folded, blanks trimmed) -> the text a section read returns, for every
// section header in the file.
std::map<std::string, std::string> ReadAllSections(const std::string& path);

// Temporary files that interrupted replacements left beside `target`.
std::vector<std::string> StrayTemporaryFiles(const std::string& target);

}  // namespace kgh::test
