#pragma once
// The files a write makes beside its target, and what a killed write leaves of them: temporary
// files ".<name>.<pid>.<number>.tmp", content being written and not yet in place, and the copy
// ".<name>.bak", the whole previous content kept while the file is rewritten in place. Whether
// their writer is gone, the lock it holds on the copy tells, and for a temporary file the
// process id in the name. The copy's name is fixed, so that every read can look for it with one
// call: a rewrite in place holds the file's own lock, so there is never more than one.
#include <optional>
#include <string>

namespace kgh::posix {

// Creates a new, empty temporary file beside `target`, open for writing, and sets `path` to it.
// Returns the descriptor, or -1 with errno set.
int CreateTemporary(const std::string& target, std::string& path);

// The name a temporary file takes once it has become a complete copy of `target`'s previous
// content. Its writer locks it (flock, exclusive) before that rename and keeps the lock until it
// has removed the copy.
std::string CopyPathOf(const std::string& target);

// The copy beside `target` when its writer is gone: a rewrite in place was killed, the file may
// be torn, and the copy holds the last whole content.
std::optional<std::string> AbandonedCopyOf(const std::string& target);

// Nothing else would ever remove what killed writes left; a whole write of the same file makes
// their temporary files and copies obsolete, so it removes them.
void RemoveAbandonedLeftovers(const std::string& target);

}  // namespace kgh::posix
