// The Windows file store: read whole files; replace them through a temporary file beside the
// target that is flushed to disk and then put in the target's place with the system's own replace
// call, which keeps the target's attributes, security and alternate streams. After each write the
// system's profile cache is flushed, so that a program reading the file through the profile
// functions (the browser) sees the change at once.
#include <windows.h>

#include <string>

#include "platform/FileStore.h"

namespace kgh {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

int LastError() { return static_cast<int>(GetLastError()); }

// The folder holding `path`; a drive's root keeps its backslash ("C:" alone would name the
// drive's current folder).
std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  const bool root = slash == 0 || (slash > 0 && path[slash - 1] == ':');
  return path.substr(0, root ? slash + 1 : slash);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (WriteFile(file, bytes.data(), chunk, &written, nullptr) == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A complete copy of the new content beside the target, on disk before it takes the target's place.
bool WriteTemporary(const std::string& target, std::string_view bytes, std::string& temp, int& error) {
  char name[MAX_PATH];
  if (GetTempFileNameA(FolderOf(target).c_str(), "kgh", 0, name) == 0) {
    error = LastError();
    return false;
  }
  temp = name;
  Handle file(CreateFileA(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  const bool written = file.valid() && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
  if (!written) error = LastError();
  const bool closed = file.valid() && file.Close();
  if (written && closed) return true;
  if (written) error = LastError();
  DeleteFileA(name);
  return false;
}

class Win32FileStore final : public FileStore {
 public:
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override {
    bytes.clear();
    error = 0;
    if (IsFolder(path)) {
      error = ERROR_ACCESS_DENIED;
      return ReadStatus::Failed;
    }
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      error = LastError();
      if (error == ERROR_FILE_NOT_FOUND) return IsFolder(FolderOf(path)) ? ReadStatus::Missing : ReadStatus::Unreachable;
      return error == ERROR_PATH_NOT_FOUND ? ReadStatus::Unreachable : ReadStatus::Failed;
    }
    // A device or a pipe may never end, and nothing larger than a configuration gets is read.
    LARGE_INTEGER size{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK) error = ERROR_BAD_DEVICE;
    else if (GetFileSizeEx(file.get(), &size) != 0 && static_cast<ULONGLONG>(size.QuadPart) > kMaxFileBytes)
      error = ERROR_FILE_TOO_LARGE;
    if (error != 0) return ReadStatus::Failed;
    char buffer[65536];
    for (;;) {
      DWORD read = 0;
      if (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) == 0 || bytes.size() + read > kMaxFileBytes) {
        error = read == 0 ? LastError() : ERROR_FILE_TOO_LARGE;
        bytes.clear();
        return ReadStatus::Failed;
      }
      if (read == 0) return ReadStatus::Ok;
      bytes.append(buffer, read);
    }
  }

  bool Replace(const std::string& path, std::string_view bytes, int& error) override {
    error = 0;
    if (IsFolder(path)) {
      error = ERROR_ACCESS_DENIED;
      return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      error = ERROR_ACCESS_DENIED;
      return false;
    }
    std::string temp;
    if (!WriteTemporary(path, bytes, temp, error)) return false;
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const bool placed = exists ? ReplaceFileA(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                              nullptr, nullptr) != 0
                               : MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (!placed) {
      error = LastError();
      // The target is gone already, and only the new content is left: it takes the target's name,
      // or stays where it is rather than being lost.
      if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
        if (MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != 0) return Flushed(path);
        return false;
      }
      DeleteFileA(temp.c_str());
      return false;
    }
    return Flushed(path);
  }

 private:
  // The system's profile cache forgets the file, so that a program reading it through the
  // profile functions sees the new content at once.
  static bool Flushed(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return true;
  }
};

}  // namespace

FileStore& SystemFileStore() {
  static Win32FileStore store;
  return store;
}

std::string DescribeSystemError(int error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(error), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : "Error " + std::to_string(error);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message;
}

}  // namespace kgh
