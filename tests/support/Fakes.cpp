#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace kgh::test {

MessageAnswer ScriptedMessageBoxes::Show(const MessageRequest& request) {
  shown.push_back(request);
  if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << request.text;
    return MessageAnswer::No;
  }
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedFileDialogs::ShowFileDialog(const FileDialogRequest& request) {
  requests.push_back(request);
  if (choices.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << request.title;
    return {};
  }
  std::string choice = choices.front();
  choices.pop_front();
  return choice;
}

ReadStatus MemoryFileStore::Read(const std::string& path, std::string& bytes, int& error) {
  ++reads;
  const ReadStatus status = read_error != 0 ? (bytes.clear(), error = read_error, ReadStatus::Failed)
                                            : ReadNow(path, bytes, error);
  if (after_read) after_read();
  return status;
}

ReadStatus MemoryFileStore::ReadNow(const std::string& path, std::string& bytes, int& error) {
  const auto it = files.find(path);
  if (it == files.end()) {
    bytes.clear();
    error = ENOENT;
    return ReadStatus::Missing;
  }
  bytes = it->second;
  return ReadStatus::Ok;
}

bool MemoryFileStore::Replace(const std::string& path, std::string_view bytes, int& error) {
  if (replace_error != 0) {
    error = replace_error;
    return false;
  }
  ++replacements;
  files[path] = std::string(bytes);
  return true;
}

}  // namespace kgh::test
