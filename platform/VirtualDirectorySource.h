#pragma once
// A source of the local web server's applications: each one a URL path on the server and the
// folder on disk it maps to. The wizard offers them as the base of a new configuration.
#include <string>
#include <vector>

namespace kgh {

struct VirtualDirEntry {
  std::string Name;  // the URL path, e.g. "/shop"
  std::string Path;  // the folder on disk
  bool operator==(const VirtualDirEntry&) const = default;
};

class VirtualDirectorySource {
 public:
  virtual ~VirtualDirectorySource() = default;
  // Appends the applications found to `entries`, in the source's order. False when an error
  // stopped the reading; the entries appended before it stay.
  virtual bool ReadVirtualDirs(std::vector<VirtualDirEntry>& entries) = 0;
};

// The running system's web server (see WebServerVirtualDirs.h for the Linux one).
VirtualDirectorySource& SystemVirtualDirectorySource();

}  // namespace kgh
