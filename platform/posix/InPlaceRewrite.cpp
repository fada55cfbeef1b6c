#include "platform/posix/InPlaceRewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileStore.h"
#include "platform/posix/FileCalls.h"
#include "platform/posix/Leftovers.h"
#include "platform/posix/SafetyCopies.h"

namespace kgh::posix {
namespace {

// The copy may be read by those who may read the file, and by no one else. Root gives it the
// file's owner and group; anyone else at least the group, where they belong to it. The file's
// group permissions carry over only to a copy in the file's group.
bool ShareLike(int fd, const struct stat& file) {
  if (fchown(fd, file.st_uid, file.st_gid) != 0) (void)!fchown(fd, static_cast<uid_t>(-1), file.st_gid);
  struct stat copy {};
  if (fstat(fd, &copy) != 0) return false;
  const mode_t group = copy.st_gid == file.st_gid ? (file.st_mode & S_IRWXG) : 0;
  return fchmod(fd, S_IRUSR | S_IWUSR | group | (file.st_mode & S_IRWXO)) == 0;
}

// The last whole content, beside the file while it is rewritten. Always a file this write
// created itself, under a name nobody else holds.
class CopyOfPrevious {
 public:
  CopyOfPrevious() = default;
  CopyOfPrevious(const CopyOfPrevious&) = delete;
  CopyOfPrevious& operator=(const CopyOfPrevious&) = delete;

  // Writes `previous` beside `target`, flushed to disk under the copy's name before the file is
  // touched. A kill while it is written leaves a temporary file, which the next whole write
  // removes.
  bool Make(const std::string& target, const struct stat& file, std::string_view previous, std::string_view next,
            int& error) {
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) {
      error = errno;
      return false;
    }
    const std::string name = CopyNameFor(temporary, IdentityOf(target, file), previous, next);
    bool made = ShareLike(fd, file) && WriteAll(fd, previous) && fsync(fd) == 0;
    error = made ? 0 : errno;
    if (close(fd) != 0 && made) {
      made = false;
      error = errno;
    }
    if (made && PlaceCopy(temporary, name)) {
      SyncFolderOf(target);
      path_ = name;
      return true;
    }
    if (error == 0) error = errno;
    (void)unlink(temporary.c_str());
    return false;
  }

  // Once the file is whole again.
  void Remove() {
    if (!path_.empty()) (void)unlink(path_.c_str());
    path_.clear();
  }

 private:
  std::string path_;
};

}  // namespace

bool RewriteInPlace(const std::string& target, std::string_view bytes, CopyBeside copy, int& error) {
  LockedFile file;  // keeps this store's other writers out until the file is whole
  if ((error = file.OpenExclusive(target, O_RDWR, std::chrono::seconds(kLockWaitSeconds))) != 0) return false;
  std::string current;
  if (!ReadToEnd(file.fd(), current, kMaxFileBytes)) {
    error = errno;
    return false;
  }
  // A rewrite killed midway may have left the file torn, with a copy of its last whole content.
  const CopiesBeside copies = FindCopies(target, &file.status());
  const std::string whole = copies.TornContentRestored(current).value_or(current);
  CopyOfPrevious own_copy;
  if (!copies.MayReplaceCurrent()) {
    error = EPERM;  // another user's copy in a sticky folder: that user's next save, or root's, removes it
    return false;
  }
  if (copy == CopyBeside::Impossible) {
    // Copies made for this file could not be removed, and would be taken for its content as soon
    // as it changes: refuse rather than write unseen.
    if (!copies.current.empty()) {
      error = EACCES;
      return false;
    }
  } else {
    // The copies of killed rewrites go once this one's copy holds the whole content in their place.
    if (!own_copy.Make(target, file.status(), whole, bytes, error)) return false;
    (void)RemoveCopies(copies.current);
    (void)RemoveCopies(copies.stale);
  }
  if (!OverwriteAndFlush(file.fd(), bytes)) {
    error = errno;
    // A full disk or an I/O error: put the whole content back, so that the file is as it read.
    if (OverwriteAndFlush(file.fd(), whole)) own_copy.Remove();
    return false;
  }
  own_copy.Remove();
  RemoveAbandonedTemporaries(target);
  SyncFolderOf(target);  // a copy that came back after a power cut would be read as the content
  return true;
}

}  // namespace kgh::posix
