// On Linux the local web server's applications come from its configuration files.
#include "platform/WebServerVirtualDirs.h"

namespace kgh {

VirtualDirectorySource& SystemVirtualDirectorySource() {
  static WebServerVirtualDirs source;
  return source;
}

}  // namespace kgh
