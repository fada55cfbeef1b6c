#pragma once
// The copy of a file's last whole content that a rewrite in place keeps beside it until the file
// is whole again. Anyone who may create files in the folder can put a file there, so a copy is
// believed only with proof that a write of this very file made it:
//  - its name, ".<file>.<pid>.<n>.<inode>-<birth>-<previous>-<next>.bak", binds it to the file's
//    inode and birth time (so that a later file given the same inode number is another file), and
//    to digests of the content it holds (previous) and of the content its writer was putting in
//    place (next);
//  - it is a regular file with one link, on the file's device, opened without following links,
//    and its content has the digest its name gives;
//  - its owner may write the file anyway, so believing it gives nobody more than they have.
// A file whose content has neither digest of a copy for its inode was torn by a killed rewrite;
// the copy then holds its content.
#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kgh::posix {

// FNV-1a, 64 bits: tells contents apart. It need not resist forgery: whoever could put a copy
// that passes the other checks beside the file may write the file itself.
std::uint64_t ContentDigest(std::string_view bytes);

// Which file a copy was made for: its inode, and when it was made where the file system records
// it (nanoseconds; 0 where it does not).
struct FileIdentity {
  ino_t inode = 0;
  std::uint64_t birth = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` leads to, if it is the file whose status is `file`.
FileIdentity IdentityOf(const std::string& path, const struct stat& file);

struct SafetyCopy {
  std::string path;
  std::string content;     // the last whole content of the file it was made for
  FileIdentity file;       // that file
  std::uint64_t next = 0;  // digest of the content its writer was putting in place
  bool removable = false;  // by this process: in a sticky folder only by its owner, the folder's or root
};

struct CopiesBeside {
  std::vector<SafetyCopy> current;      // believed, made for the file as it is now
  std::vector<SafetyCopy> stale;        // believed, made for a file the name no longer leads to
  std::vector<std::string> untrusted;   // named like copies, never read nor removed

  // The content of the file whose bytes are `bytes`: those bytes, unless a copy made for it shows
  // they are torn, in which case the copy's content.
  std::optional<std::string> TornContentRestored(std::string_view bytes) const;
  // Whether this process may remove every copy made for the file as it is now. A write that could
  // not would leave a copy that goes on being read in place of what it wrote.
  bool MayReplaceCurrent() const;
};

// The copies beside `target` (links resolved), judged against the file's status `file`; with no
// file, every believed copy is stale.
CopiesBeside FindCopies(const std::string& target, const struct stat* file);

// The name a complete copy of `previous` takes, made from the temporary file it was written as.
std::string CopyNameFor(const std::string& temporary, const FileIdentity& file, std::string_view previous,
                        std::string_view next);

// Renames the complete temporary copy to its name. False with errno set.
bool PlaceCopy(const std::string& temporary, const std::string& name);

// Removes believed copies; false (errno set) when one of them could not be removed.
bool RemoveCopies(const std::vector<SafetyCopy>& copies);

}  // namespace kgh::posix
