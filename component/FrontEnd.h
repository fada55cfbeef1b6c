#pragma once
// The dialogs and platform services that a host's entry point (the shared library, the
// automation server) hands to each SetupOrvex it makes. Each entry point chooses its front-end;
// one is made for each dialog call, on the calling thread.
#include <memory>

#include "component/SetupOrvex.h"

namespace kgh {

// Whether a front-end can show its dialogs to the thread that made it, and if not, why.
enum class DialogAccess {
  Ready,
  NotBuilt,     // a library built without dialogs
  NoDisplay,    // nothing to show them on: no display the toolkit could open, or a host running it without windows
  OtherThread,  // the toolkit's windows belong to another thread of the process
};

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // Decided when the front-end is made. Where it is not Ready, Services() has no form host, so
  // that the dialog operations return without showing anything.
  virtual DialogAccess Dialogs() const { return DialogAccess::Ready; }
  // Services that stay valid as long as this object lives.
  virtual ComponentServices Services() = 0;
};

}  // namespace kgh
