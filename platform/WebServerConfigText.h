#pragma once
// Shared helpers of the web server configuration readers.
#include <optional>
#include <string>
#include <vector>

#include "platform/VirtualDirectorySource.h"

namespace kgh::webserver {

// Includes nested deeper than this are not followed: a configuration that includes itself
// must not hang the wizard.
inline constexpr int kMaxIncludeDepth = 16;

// The whole file, or nothing when it cannot be read (a folder counts as unreadable).
std::optional<std::string> ReadConfigFile(const std::string& path);

// The folder of `path` ("." when it names none).
std::string FolderOfConfig(const std::string& path);

// Appends (url, folder) unless the URL path does not begin with "/" or the folder is empty.
void AddApplication(std::vector<VirtualDirEntry>& entries, std::string url, std::string folder);

}  // namespace kgh::webserver
