#pragma once
// The files a write makes beside its target, and what a killed write leaves of them: temporary
// files ".<name>.<pid>.<number>.tmp", content being written and not yet in place, and copies
// ".<name>.<pid>.<number>.bak", the whole previous content kept while the file is rewritten in
// place. Whether their writer is gone, the lock it holds on a copy tells, and for a temporary
// file the process id in the name.
#include <optional>
#include <string>

namespace kgh::posix {

// Creates a new, empty temporary file beside `target`, open for writing, and sets `path` to it.
// Returns the descriptor, or -1 with errno set.
int CreateTemporary(const std::string& target, std::string& path);

// The name a temporary file takes once it has become a complete copy. Its writer locks it
// (flock, exclusive) before that rename and keeps the lock until it has removed the copy.
std::string CopyNameOf(const std::string& temporary);

// The oldest copy beside `target` whose writer is gone: a rewrite in place was killed, the
// file may be torn, and the copy holds the last whole content.
std::optional<std::string> AbandonedCopyOf(const std::string& target);

// Nothing else would ever remove what killed writes left; a whole write of the same file makes
// their temporary files and copies obsolete, so it removes them.
void RemoveAbandonedLeftovers(const std::string& target);

}  // namespace kgh::posix
