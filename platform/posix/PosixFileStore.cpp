// The POSIX file store: read whole files; replace them through a temporary file beside the
// target that is flushed to disk and renamed over it, or, where a new file would not be the same
// file to its owner, group and links, rewrite them in place with a copy of the previous content
// beside them. Only regular files are read or written, and none larger than a configuration
// ever gets.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileStore.h"
#include "platform/posix/FileCalls.h"
#include "platform/posix/InPlaceRewrite.h"
#include "platform/posix/Leftovers.h"
#include "platform/posix/SafetyCopies.h"

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

// Copies of killed rewrites made for a file that the name no longer leads to are of no use, and
// the inode they name may be given to a new file: they go before a new file takes the name, the
// copies made for the file it replaces once it has. A rewrite in place that still runs goes on
// writing the replaced file, which nobody reads under this name any more.
bool Commit(const std::string& temp, const std::string& target, int& error) {
  struct stat made {}, existing {};
  const bool replaces = stat(target.c_str(), &existing) == 0;
  const posix::CopiesBeside before = posix::FindCopies(target, replaces ? &existing : nullptr);
  if (!before.MayReplaceCurrent()) {
    error = EPERM;  // see RewriteInPlace
    return false;
  }
  if (fstatat(AT_FDCWD, temp.c_str(), &made, AT_SYMLINK_NOFOLLOW) != 0) {
    error = errno;
    return false;
  }
  const posix::FileIdentity new_file = posix::IdentityOf(temp, made);
  for (const posix::SafetyCopy& copy : before.stale) {
    if (unlink(copy.path.c_str()) != 0 && errno != ENOENT && copy.file == new_file) {
      error = EEXIST;  // it would be taken for a copy of the new file
      return false;
    }
  }
  if (rename(temp.c_str(), target.c_str()) != 0) {
    error = errno;
    return false;
  }
  (void)posix::RemoveCopies(before.current);
  posix::RemoveAbandonedTemporaries(target);
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
  if (outcome == RenameOutcome::Replaced && !Commit(temp, target, error))
    outcome = RenameOutcome::Failed;
  if (outcome != RenameOutcome::Replaced) (void)unlink(temp.c_str());
  return outcome;
}

class PosixFileStore final : public FileStore {
 public:
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override {
    bytes.clear();
    posix::LockedFile file;  // waits a little for a rewrite in place to complete
    if ((error = file.OpenShared(path, kReaderWait)) != 0) return ClassifyOpenFailure(path, error);
    if ((error = posix::RefusalOf(file.status(), kMaxFileBytes)) != 0 || !ReadFrom(file.fd(), bytes, error))
      return ReadStatus::Failed;
    const std::string target = posix::ResolveLinks(path);
    for (int reading = 1;; ++reading) {
      const posix::CopiesBeside copies = posix::FindCopies(target, &file.status());
      if (auto restored = copies.TornContentRestored(bytes)) {
        bytes = std::move(*restored);
        return ReadStatus::Ok;
      }
      // Without the lock a rewrite in place may have run to its end, copy and all, between the
      // reading and the look for its copy: what was read is whole once a second reading agrees.
      if (file.locked() || !copies.current.empty() || reading == kReadingsWithoutLock) return ReadStatus::Ok;
      std::string again;
      if (lseek(file.fd(), 0, SEEK_SET) != 0 || !ReadFrom(file.fd(), again, error)) {
        bytes.clear();
        return ReadStatus::Failed;
      }
      if (again == bytes) return ReadStatus::Ok;
      bytes = std::move(again);
    }
  }

  // Copies made for the file as it is now are removed by a save, whether the file is torn or a
  // kill stopped its writer just short of removing its copy. No lock is needed to see them.
  bool NeedsRepair(const std::string& path) override {
    const std::string target = posix::ResolveLinks(path);
    struct stat st {};
    return stat(target.c_str(), &st) == 0 && !posix::FindCopies(target, &st).current.empty();
  }

  std::vector<std::string> UntrustedCopies(const std::string& path) override {
    const std::string target = posix::ResolveLinks(path);
    struct stat st {};
    return posix::FindCopies(target, stat(target.c_str(), &st) == 0 ? &st : nullptr).untrusted;
  }

  bool Replace(const std::string& path, std::string_view bytes, int& error) override {
    // What would not be read back is not written.
    error = bytes.size() > kMaxFileBytes ? EFBIG : 0;
    if (error != 0) return false;
    const std::string target = posix::ResolveLinks(path);
    struct stat existing {};
    if (stat(target.c_str(), &existing) != 0)
      return ReplaceByRename(target, bytes, nullptr, error) == RenameOutcome::Replaced;
    if ((error = posix::RefusalOf(existing, static_cast<std::size_t>(-1))) != 0) return false;
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
  // A rewrite in place takes milliseconds; a lock held longer is held by a stopped process or by
  // someone who only reads the file, and the reading goes on without it.
  static constexpr std::chrono::milliseconds kReaderWait{1000};
  static constexpr int kReadingsWithoutLock = 8;

  static bool ReadFrom(int fd, std::string& bytes, int& error) {
    if (posix::ReadToEnd(fd, bytes, kMaxFileBytes)) return true;
    error = errno;
    bytes.clear();
    return false;
  }

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

std::string DescribeSystemError(int error) {
  switch (error) {
    case EWOULDBLOCK:
      return "Another program holds the file locked and has not let go of it for " + std::to_string(kLockWaitSeconds) +
             " seconds";
    case ENODEV: return "Not a regular file";
    case EFBIG: return "File larger than " + std::to_string(kMaxFileBytes >> 20) + " MiB";
    default: return std::generic_category().message(error);
  }
}

}  // namespace kgh
