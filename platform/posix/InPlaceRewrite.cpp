#include "platform/posix/InPlaceRewrite.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/FileCalls.h"
#include "platform/posix/Leftovers.h"

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

// The previous content, beside the file while it is rewritten. It stays open and locked for as
// long as it bears a copy's name: the lock tells readers and later writers whether its writer is
// still at work.
class CopyOfPrevious {
 public:
  CopyOfPrevious() = default;
  ~CopyOfPrevious() {  // the copy stays: it is what restores a file left torn
    if (fd_ >= 0) close(fd_);
  }
  CopyOfPrevious(const CopyOfPrevious&) = delete;
  CopyOfPrevious& operator=(const CopyOfPrevious&) = delete;

  // Writes `previous` beside `target`, flushed to disk under the copy's name before the file is
  // touched. A kill while it is written leaves a temporary file, which the next whole write
  // removes.
  bool Make(const std::string& target, std::string_view previous, const struct stat& file, int& error) {
    std::string temporary;
    fd_ = CreateTemporary(target, temporary);
    if (fd_ < 0) {
      error = errno;
      return false;
    }
    path_ = CopyPathOf(target);
    if (flock(fd_, LOCK_EX) == 0 && ShareLike(fd_, file) && WriteAll(fd_, previous) && fsync(fd_) == 0 &&
        rename(temporary.c_str(), path_.c_str()) == 0) {
      SyncFolderOf(target);
      return true;
    }
    error = errno;
    (void)unlink(temporary.c_str());
    close(fd_);
    fd_ = -1;
    return false;
  }

  // Once the file is whole again. The name goes before the lock, so that no one takes the copy
  // for abandoned meanwhile.
  void Remove() {
    if (fd_ < 0) return;
    (void)unlink(path_.c_str());
    close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace

bool RewriteInPlace(const std::string& target, std::string_view bytes, CopyBeside copy, int& error) {
  LockedFile file;  // keeps this store's other writers and its readers out until the file is whole
  if ((error = file.OpenExclusive(target, O_RDWR)) != 0) return false;
  std::string previous;
  if (!ReadToEnd(file.fd(), previous)) {
    error = errno;
    return false;
  }
  // A rewrite killed midway left a copy: it, not the file, holds the last whole content, and it
  // goes on doing so until this rewrite is complete. Where it could not be removed afterwards,
  // readers would go on taking it for the file's content: refuse rather than write unseen.
  const bool earlier_copy = AbandonedCopyOf(target).has_value();
  if (earlier_copy && copy == CopyBeside::Impossible) {
    error = EACCES;
    return false;
  }
  CopyOfPrevious own_copy;
  if (!earlier_copy && copy == CopyBeside::Keep && !own_copy.Make(target, previous, file.status(), error))
    return false;
  if (!OverwriteAndFlush(file.fd(), bytes)) {
    error = errno;
    // A full disk or an I/O error: put the previous content back, so that the file is as it was.
    if (OverwriteAndFlush(file.fd(), previous)) own_copy.Remove();
    return false;
  }
  own_copy.Remove();
  RemoveAbandonedLeftovers(target);
  SyncFolderOf(target);  // a copy that came back after a power cut would be read as the content
  return true;
}

}  // namespace kgh::posix
