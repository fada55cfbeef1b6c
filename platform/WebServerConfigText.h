#pragma once
// Shared helpers of the web server configuration readers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/VirtualDirectorySource.h"

namespace kgh::webserver {

// Includes nested deeper than this are not followed: a configuration that includes itself
// must not hang the wizard.
inline constexpr int kMaxIncludeDepth = 16;

// The port a browser reaches when the URL names none.
inline constexpr int kHttpPort = 80;

// The whole file, or nothing when it cannot be read (a folder counts as unreadable).
std::optional<std::string> ReadConfigFile(const std::string& path);

// The folder of `path` ("." when it names none).
std::string FolderOfConfig(const std::string& path);

// `path` as the server sees it: a relative one is taken from `base`. "" stays "", so that a
// directive without a usable value adds no application.
std::string ResolvePath(const std::string& base, const std::string& path);

// The URL path without trailing "/": "/shop/" and "/shop" are one application, and the wizard
// adds the "/" before the start page itself. The site's root stays "/".
std::string NormaliseUrlPath(std::string url);

// The port part of a listening address: "8089" of "8089", "127.0.0.1:8089", "[::]:8089",
// "*:8089" and "_default_:8089"; "" when the address names no port ("127.0.0.1", "[::]", "*").
std::string_view PortPart(std::string_view address);

// A TCP port number (1 to 65535), or nothing: "unix:/run/web.sock" has no port a browser can use.
std::optional<int> ParsePort(std::string_view text);

// Appends (normalised url, folder) unless the URL path does not begin with "/", the folder is
// empty or the URL path is listed already: the server uses the first match, so every menu text
// names the folder a browser would get.
void AddApplication(std::vector<VirtualDirEntry>& entries, std::string url, std::string folder);

// A site's applications, its root first: `root_folder` as "/", unless `others` (added in order
// after it) has an application at "/" itself, which the server then uses for the root instead.
std::vector<VirtualDirEntry> RootFirst(const std::string& root_folder, const std::vector<VirtualDirEntry>& others);

}  // namespace kgh::webserver
