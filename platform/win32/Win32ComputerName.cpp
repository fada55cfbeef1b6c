// The computer name is the NetBIOS name the system reports.
#include <windows.h>

#include "platform/ComputerName.h"

namespace kgh {
namespace {

class NetBiosNameSource final : public ComputerNameSource {
 public:
  std::string ComputerName() override {
    char buffer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof buffer;
    if (GetComputerNameA(buffer, &size) == 0) return "";
    return std::string(buffer, size);
  }
};

}  // namespace

ComputerNameSource& SystemComputerName() {
  static NetBiosNameSource source;
  return source;
}

}  // namespace kgh
