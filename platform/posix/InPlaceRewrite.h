#pragma once
// Rewriting a file in place, for the files that a replacement by rename would change: another
// owner or group than the writer may give a new file, further hard links, a folder the writer
// cannot create files in. The file keeps its inode, so all of that stays as it was.
#include <string>
#include <string_view>

namespace kgh::posix {

enum class CopyBeside {
  Keep,        // the folder takes new files: the previous content is kept beside the file meanwhile
  Impossible,  // it does not: a kill mid-write leaves a torn file with nothing to restore it from
};

// Makes `bytes` the content of the existing file `target` (links already resolved), flushed to
// disk. With a copy, a kill at any moment leaves the file whole, or the copy of the previous
// content beside it; a failed write puts the previous content back. False with `error` set on
// failure.
bool RewriteInPlace(const std::string& target, std::string_view bytes, CopyBeside copy, int& error);

}  // namespace kgh::posix
