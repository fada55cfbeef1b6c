// The POSIX file store: read whole files; replace them through a temporary file beside the
// target that is flushed to disk and renamed over it, or, where a new file would not be the same
// file to its owner, group and links, rewrite them in place with a copy of the previous content
// beside them.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "platform/FileStore.h"
#include "platform/posix/FileCalls.h"
#include "platform/posix/InPlaceRewrite.h"
#include "platform/posix/Leftovers.h"

namespace kgh {
namespace {

using posix::CopyBeside;

enum class RenameOutcome {
  Replaced,
  Failed,             // nothing changed; `error` says why
  OwnerNotKept,       // a new file would have another owner or group, and this writer may not give it the old ones
  FolderNotWritable,  // no new file can be made beside the target
};

// Gives the new file the owner, group and permission bits of the one it replaces. The owner goes
// first, as a change of owner may clear set-id bits.
RenameOutcome KeepOwnerAndMode(int fd, const struct stat& existing) {
  struct stat made {};
  if (fstat(fd, &made) != 0) return RenameOutcome::Failed;
  if ((made.st_uid != existing.st_uid || made.st_gid != existing.st_gid) &&
      fchown(fd, existing.st_uid, existing.st_gid) != 0)
    return RenameOutcome::OwnerNotKept;
  return fchmod(fd, existing.st_mode & 07777) == 0 ? RenameOutcome::Replaced : RenameOutcome::Failed;
}

// Renames the complete temporary file over `target`, then clears what killed writes left.
bool Commit(const std::string& temp, const std::string& target, bool replaces, int& error) {
  // A rewrite in place may be running: wait for it, so that a copy it leaves when killed cannot
  // outlive this replacement and be read in place of the new content.
  posix::LockedFile previous;
  if (replaces) (void)previous.OpenExclusive(target, O_RDONLY);
  if (rename(temp.c_str(), target.c_str()) != 0) {
    error = errno;
    return false;
  }
  posix::RemoveAbandonedLeftovers(target);
  posix::SyncFolderOf(target);
  return true;
}

RenameOutcome ReplaceByRename(const std::string& target, std::string_view bytes, const struct stat* existing,
                              int& error) {
  std::string temp;
  const int fd = posix::CreateTemporary(target, temp);
  if (fd < 0) {
    error = errno;
    const bool denied = error == EACCES || error == EPERM;
    return existing != nullptr && denied ? RenameOutcome::FolderNotWritable : RenameOutcome::Failed;
  }
  RenameOutcome outcome = existing != nullptr ? KeepOwnerAndMode(fd, *existing) : RenameOutcome::Replaced;
  if (outcome == RenameOutcome::Replaced && !(posix::WriteAll(fd, bytes) && fsync(fd) == 0))
    outcome = RenameOutcome::Failed;
  if (outcome != RenameOutcome::Replaced) error = errno;
  if (close(fd) != 0 && outcome == RenameOutcome::Replaced) {
    outcome = RenameOutcome::Failed;
    error = errno;
  }
  if (outcome == RenameOutcome::Replaced && !Commit(temp, target, existing != nullptr, error))
    outcome = RenameOutcome::Failed;
  if (outcome != RenameOutcome::Replaced) (void)unlink(temp.c_str());
  return outcome;
}

class PosixFileStore final : public FileStore {
 public:
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override {
    bytes.clear();
    error = 0;
    posix::LockedFile file;  // waits for a rewrite in place to complete
    if ((error = file.OpenShared(path)) != 0) return ClassifyOpenFailure(path, error);
    if (S_ISDIR(file.status().st_mode)) {
      error = EISDIR;
      return ReadStatus::Failed;
    }
    // A rewrite in place killed midway may have torn the file; its copy holds the last whole
    // content until the next write replaces both.
    if (const auto copy = posix::AbandonedCopyOf(posix::ResolveLinks(path)); copy && posix::ReadWholeFile(*copy, bytes))
      return ReadStatus::Ok;
    bytes.clear();
    if (!posix::ReadToEnd(file.fd(), bytes)) {
      error = errno;
      bytes.clear();
      return ReadStatus::Failed;
    }
    return ReadStatus::Ok;
  }

  bool Replace(const std::string& path, std::string_view bytes, int& error) override {
    error = 0;
    const std::string target = posix::ResolveLinks(path);
    struct stat existing {};
    if (stat(target.c_str(), &existing) != 0)
      return ReplaceByRename(target, bytes, nullptr, error) == RenameOutcome::Replaced;
    if (S_ISDIR(existing.st_mode)) {
      error = EISDIR;
      return false;
    }
    // A file its owner made read-only is not written, even by root, as writing into it would be
    // refused.
    const bool read_only = (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (read_only || access(target.c_str(), W_OK) != 0) {
      error = EACCES;
      return false;
    }
    // A new file would be a different file to every other link.
    if (existing.st_nlink > 1) return posix::RewriteInPlace(target, bytes, CopyBeside::Keep, error);
    switch (ReplaceByRename(target, bytes, &existing, error)) {
      case RenameOutcome::Replaced: return true;
      case RenameOutcome::Failed: return false;
      case RenameOutcome::OwnerNotKept: return posix::RewriteInPlace(target, bytes, CopyBeside::Keep, error);
      // Refusing would lose the user's save, which the file's permissions allow.
      case RenameOutcome::FolderNotWritable:
        return posix::RewriteInPlace(target, bytes, CopyBeside::Impossible, error);
    }
    return false;
  }

 private:
  static ReadStatus ClassifyOpenFailure(const std::string& path, int error) {
    if (error != ENOENT && error != ENOTDIR) return ReadStatus::Failed;
    if (error == ENOTDIR) return ReadStatus::Unreachable;
    struct stat st {};
    const std::string parent = posix::ParentOf(posix::ResolveLinks(path));
    return (stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ? ReadStatus::Missing
                                                                    : ReadStatus::Unreachable;
  }
};

}  // namespace

FileStore& SystemFileStore() {
  static PosixFileStore store;
  return store;
}

std::string DescribeSystemError(int error) { return std::generic_category().message(error); }

}  // namespace kgh
