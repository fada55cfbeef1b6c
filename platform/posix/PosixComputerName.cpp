// The computer name is the host name the kernel reports.
#include <unistd.h>

#include "platform/ComputerName.h"
#include "platform/Module1.h"

namespace kgh {
namespace {

class HostNameSource final : public ComputerNameSource {
 public:
  std::string ComputerName() override {
    // 512 characters, of which 511 are offered, so that a cut name still ends in a NUL.
    std::string buffer(512, '\0');
    if (gethostname(buffer.data(), buffer.size() - 1) != 0) return "";
    return TrimAtNull(buffer);
  }
};

}  // namespace

ComputerNameSource& SystemComputerName() {
  static HostNameSource source;
  return source;
}

}  // namespace kgh
