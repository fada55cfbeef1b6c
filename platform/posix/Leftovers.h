#pragma once
// The temporary files a write makes beside its target, ".<name>.<pid>.<number>.tmp": content
// being written and not yet in place. A write killed before its rename leaves one; whether its
// writer is gone, the process id in the name tells.
#include <string>

namespace kgh::posix {

// Creates a new, empty temporary file beside `target`, open for writing, and sets `path` to it.
// Returns the descriptor, or -1 with errno set.
int CreateTemporary(const std::string& target, std::string& path);

// Nothing else would ever remove what killed writes left; a whole write of the same file makes
// their temporary files obsolete, so it removes them.
void RemoveAbandonedTemporaries(const std::string& target);

}  // namespace kgh::posix
