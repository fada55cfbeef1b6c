#pragma once
// The dialogs and platform services that the shared library hands to each SetupOrvex it makes
// for a host. Which front-end that is gets decided when the library is linked: the Qt one where
// Qt is built, none otherwise.
#include <memory>

#include "component/SetupOrvex.h"

namespace kgh {

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // Services that stay valid as long as this object lives.
  virtual ComponentServices Services() = 0;
};

std::unique_ptr<FrontEnd> MakeFrontEnd();

}  // namespace kgh
